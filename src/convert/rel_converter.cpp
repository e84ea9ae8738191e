// Converting the images of a .REL index.
#include "convert/rel_converter.h"

#include <optional>
#include <string_view>

#include "common/format_text.h"
#include "common/system_texts.h"
#include "convert/j6i_converter.h"
#include "platform/file_reading.h"
#include "platform/folder_entry_names.h"
#include "platform/path_text.h"
#include "readers/rel_index.h"

namespace kadoro {
namespace {

RelConvertResult LogFailure(ConversionContext& context, const char* format,
                            const std::string& fileName, RelConvertResult result) {
    context.log.AppendLine(FormatText(format, fileName.c_str()));
    return result;
}

}  // namespace

int HistoricCode(RelConvertResult result) {
    switch (result) {
        case RelConvertResult::Finished:
            return 0;
        case RelConvertResult::CannotOpen:
        case RelConvertResult::ImageFailed:
            return 1;
        case RelConvertResult::ReadError:
            return 2;
        case RelConvertResult::NotRel:
            return 3;
        case RelConvertResult::Truncated:
        case RelConvertResult::UnsafeName:
            return 4;
        case RelConvertResult::Stopped:
            return 5;
    }
    return 1;
}

RelConvertResult ConvertRelFile(ConversionContext& context, const std::string& sourceFolder,
                                const std::string& fileName, const std::string& destinationFolder) {
    const FilePrefix block = ReadFilePrefix(JoinFolderPath(sourceFolder, fileName), kRelBlockSize);
    if (block.status == FilePrefix::Status::CannotOpen) {
        return LogFailure(context, texts::kRelCannotOpen, fileName, RelConvertResult::CannotOpen);
    }
    if (block.status == FilePrefix::Status::ReadFailed || block.bytes.empty()) {
        return LogFailure(context, texts::kRelReadError, fileName, RelConvertResult::ReadError);
    }

    // Read when the first image needs it, then kept for the whole index: one listing of the
    // folder, however many images the index names.
    std::optional<FolderEntryNames> sourceNames;
    RelWalkCallbacks callbacks;
    bool stopped = false;
    callbacks.image = [&](const RelListedImage& image) {
        if (context.stop.stop_requested()) {
            stopped = true;
            return RelVisit::Stop;
        }
        if (!sourceNames) sourceNames.emplace(sourceFolder);
        const std::string listedName = image.name + ".j6i";
        // An image that is not there goes on under its listed name, for the converter's own
        // open error.
        const std::string imageName =
            sourceNames->FindIgnoringCase(listedName).value_or(listedName);
        const J6iConvertResult result =
            ConvertJ6iFile(context, sourceFolder, imageName, destinationFolder,
                           image.sequenceNumber, image.subNumber);
        return result == J6iConvertResult::Converted ? RelVisit::Continue : RelVisit::Stop;
    };
    callbacks.indexRecordDone = [&context] { context.log.ScrollToEnd(); };

    switch (WalkRelIndex(block.bytes, callbacks)) {
        case RelWalkEnd::EndMarker:
            return RelConvertResult::Finished;
        case RelWalkEnd::Stopped:
            return stopped ? RelConvertResult::Stopped : RelConvertResult::ImageFailed;
        case RelWalkEnd::NotRelIndex:
            return LogFailure(context, texts::kNotRel, fileName, RelConvertResult::NotRel);
        case RelWalkEnd::Truncated:
            return LogFailure(context, texts::kRelTruncated, fileName, RelConvertResult::Truncated);
        case RelWalkEnd::UnsafeName:
            return LogFailure(context, texts::kRelUnsafeName, fileName,
                              RelConvertResult::UnsafeName);
    }
    return RelConvertResult::Truncated;
}

}  // namespace kadoro
