// Copying a converted file under its new name.
#include "convert/copy_step.h"

#include "common/format_text.h"
#include "common/system_texts.h"
#include "platform/file_operations.h"
#include "platform/path_text.h"

namespace kadoro {

CopyStepResult CopyToFreeName(ConversionContext& context, const CopyStepRequest& request) {
    const FreeName target = FindFreeName(request.destinationFolder, request.baseName, request.kind,
                                         &context.freeNames, &context.pendingNames);
    context.log.AppendLine(FormatText(texts::kNewName, target.name.c_str()));

    StagedForCommit copy;
    copy.folder = context.DestinationFor(request.destinationFolder);
    const StageResult staging =
        copy.folder ? copy.folder->Stage(request.sourcePath, target.name, copy.staged)
                    : StageResult::Failed;
    if (staging != StageResult::Staged) {
        context.log.AppendLine(request.copyErrorLine);
        return CopyStepResult::CopyFailed;
    }

    copy.targetPath = target.path;
    copy.targetName = target.name;
    copy.sourcePath = request.sourcePath;
    copy.lines.copyErrorLine = request.copyErrorLine;
    if (context.options.deleteSource) {
        copy.lines.deletedLine = FormatText(texts::kDeleted, request.sourcePath.c_str());
        if (IsSameFolder(request.sourceFolder, request.destinationFolder)) {
            copy.sourceNameInDestination =
                JoinFolderPath(request.destinationFolder, FileNamePart(request.sourcePath));
        }
    }
    const auto settlement = context.Commit(std::move(copy));
    if (!settlement) return CopyStepResult::Done;
    switch (*settlement) {
        case CopySettlement::Committed:
            return CopyStepResult::Done;
        case CopySettlement::DeleteFailed:
            return CopyStepResult::DeleteFailed;
        case CopySettlement::CopyFailed:
        case CopySettlement::Withdrawn:
            break;
    }
    return CopyStepResult::CopyFailed;
}

}  // namespace kadoro
