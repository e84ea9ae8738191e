// Converting every .J6I image that a .REL index lists, numbered by its place in the index.
#pragma once

#include <string>

#include "convert/conversion_context.h"

namespace kadoro {

enum class RelConvertResult {
    Finished,     // the walk reached the end marker
    CannotOpen,   // "ファィルオープンエラー[...]"
    ImageFailed,  // a listed image failed and logged why; the images after it are left
    ReadError,    // "ファィル読み込みエラー[...]": the read failed or gave no bytes
    NotRel,       // "J6IのRELファイルではありません[...]"
    Truncated,  // "RELファイルが途中で切れています[...]": no end marker in the bytes read
    UnsafeName,  // "RELファイルの画像名が不正です[...]": a name that is no plain file name
    Stopped,  // the run was asked to stop; the images before that point are converted
};

// The result code that callers of the index conversion have always seen: 0 finished, 1 not
// opened or an image failed, 2 not read, 3 not an index; 4 for a damaged or unsafe index and 5
// for a stopped one, which older versions did not know.
int HistoricCode(RelConvertResult result);

// Reads the first 8192 bytes of the index and hands each listed image to ConvertJ6iFile with its
// group number and place in the group. The image is looked up in the source folder without
// regard to letter case. Images converted before a failure stay converted.
RelConvertResult ConvertRelFile(ConversionContext& context, const std::string& sourceFolder,
                                const std::string& fileName, const std::string& destinationFolder);

}  // namespace kadoro
