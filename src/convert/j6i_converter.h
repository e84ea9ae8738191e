// Converting one .J6I image: new name from its header date, copy, optional deletion.
#pragma once

#include <string>

#include "convert/conversion_context.h"

namespace kadoro {

enum class J6iConvertResult : int {
    Converted = 0,     // copied and, if asked, the source deleted
    CannotOpen = 1,    // "ファィルオープンエラー"
    ReadError = 2,     // "ファィル読み込みエラー": fewer than 144 header bytes
    NotJ6i = 3,        // "J6Iファイルではありません"
    CopyFailed = 4,    // "コピーエラー"; the source is untouched
    DeleteFailed = 5,  // "削除失敗"; the copy stays
    NoScheme = 6,      // the scheme index names no scheme; nothing was copied
};

// The result code that callers have always seen; NoScheme (6) is newer than the others.
inline int HistoricCode(J6iConvertResult result) {
    return static_cast<int>(result);
}

// sequenceNumber -1 takes the sequence text from the file name; a REL index passes its group
// number, and subNumber the place in a group (-1 for an image listed alone).
J6iConvertResult ConvertJ6iFile(ConversionContext& context, const std::string& sourceFolder,
                                const std::string& fileName, const std::string& destinationFolder,
                                int sequenceNumber, int subNumber);

}  // namespace kadoro
