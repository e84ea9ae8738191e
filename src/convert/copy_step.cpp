// Copying a converted file under its new name.
#include "convert/copy_step.h"

#include "common/format_text.h"
#include "common/system_texts.h"
#include "platform/file_operations.h"

namespace kadoro {

CopyStepResult CopyToFreeName(ConversionContext& context, const CopyStepRequest& request) {
    const FreeName target =
        FindFreeName(request.destinationFolder, request.baseName, request.kind, &context.freeNames);
    context.log.AppendLine(FormatText(texts::kNewName, target.name.c_str()));

    // A source that stays needs no flushed folder entry before the next file: the run flushes the
    // destination folder once at its end. A source about to be deleted does.
    if (CopyFileNoOverwrite(request.sourcePath, target.path) != CopyOutcome::Copied) {
        context.log.AppendLine(std::string(request.copyErrorLine));
        return CopyStepResult::CopyFailed;
    }
    if (!context.options.deleteSource) return CopyStepResult::Done;

    context.log.AppendLine(FormatText(texts::kDeleted, request.sourcePath.c_str()));
    if (DeleteFileChecked(request.sourcePath) != DeleteOutcome::Deleted) {
        context.log.AppendLine(texts::kDeleteFailed);
        return CopyStepResult::DeleteFailed;
    }
    // A deletion in the destination folder frees a name that the memo may have passed over.
    if (IsSameFolder(request.sourceFolder, request.destinationFolder)) context.freeNames.Forget();
    return CopyStepResult::Done;
}

}  // namespace kadoro
