// Converting one .JPG image: new name from its camera text (or file time), copy, optional deletion.
#pragma once

#include <string>

#include "convert/conversion_context.h"

namespace kadoro {

enum class JpegConvertResult : int {
    Converted = 0,      // copied and, if asked, the source deleted
    CannotOpen = 1,     // "ファイルがオープンできません!"
    FormatDiffers = 2,  // "フォーマットが違います! [path]"
    NoFileTime = 3,     // no date inside, and the file's time stamp could not be read
    CopyFailed = 4,     // "コピーエラー!"; the source is untouched
    DeleteFailed = 5,   // "削除失敗"; the copy stays
    NoScheme = 6,       // the scheme index names no scheme; nothing was copied
};

// The result code that callers have always seen; NoScheme (6) is newer than the others.
inline int HistoricCode(JpegConvertResult result) {
    return static_cast<int>(result);
}

// The sequence text always comes from the file name.
JpegConvertResult ConvertJpegFile(ConversionContext& context, const std::string& sourceFolder,
                                  const std::string& fileName,
                                  const std::string& destinationFolder);

}  // namespace kadoro
