// The last steps that the J6I and JPEG converters share: log the new name, copy, maybe delete.
#pragma once

#include <string>

#include "convert/conversion_context.h"

namespace kadoro {

// The numbers are the converters' own result codes for these outcomes, the same for every kind.
enum class CopyStepResult : int { Done = 0, CopyFailed = 4, DeleteFailed = 5 };

template <typename ConvertResult>
ConvertResult ToConvertResult(CopyStepResult step) {
    return static_cast<ConvertResult>(static_cast<int>(step));
}

struct CopyStepRequest {
    std::string sourceFolder;
    std::string sourcePath;
    std::string destinationFolder;
    std::string baseName;  // the new name before the collision rule
    FileKind kind;
    std::string copyErrorLine;  // the converter's own wording of a failed copy
};

// Finds a free name, logs "新名[...]" and stages the copy. The copy is committed (made durable
// under its name, and its source deleted when the run asks for it) with the context's pace:
// before the call returns, or with its group, when the run settles it and writes its lines. A
// failed copy logs the converter's copy error line and leaves the source alone; a refused
// deletion logs "削除[...]" and "削除失敗" and keeps the copy. Done from a grouped run means
// handed on: the run turns the file's result into a failure if its group does not commit.
CopyStepResult CopyToFreeName(ConversionContext& context, const CopyStepRequest& request);

}  // namespace kadoro
