// Converting every .J6I image that a .REL index lists, numbered by its place in the index.
#pragma once

#include <string>

#include "convert/conversion_context.h"

namespace kadoro {

enum class RelConvertResult : int {
    Finished = 0,     // the walk reached the end marker
    CannotOpen = 1,   // "ファィルオープンエラー[...]"
    ImageFailed = 1,  // a listed image failed and logged why; the images after it are left
    ReadError = 2,    // "ファィル読み込みエラー[...]": the read failed or gave no bytes
    NotRel = 3,       // "J6IのRELファイルではありません[...]"
    Truncated = 4,  // "RELファイルが途中で切れています[...]": no end marker in the bytes read
    UnsafeName = 4,  // "RELファイルの画像名が不正です[...]": a name that is no plain file name
};

// Reads the first 8192 bytes of the index and hands each listed image to ConvertJ6iFile with its
// group number and place in the group. The image is looked up in the source folder without
// regard to letter case. Images converted before a failure stay converted.
RelConvertResult ConvertRelFile(ConversionContext& context, const std::string& sourceFolder,
                                const std::string& fileName, const std::string& destinationFolder);

}  // namespace kadoro
