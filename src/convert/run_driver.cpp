// The conversion run driver and its file-type table.
#include "convert/run_driver.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "convert/j6i_converter.h"
#include "convert/jpeg_converter.h"
#include "convert/rel_converter.h"
#include "platform/path_text.h"
#include "platform/staged_copy.h"

namespace kadoro {
namespace {

FileResult ResultOf(J6iConvertResult result) {
    return {result == J6iConvertResult::Converted ? FileOutcome::Converted : FileOutcome::Failed,
            HistoricCode(result)};
}

FileResult ResultOf(JpegConvertResult result) {
    return {result == JpegConvertResult::Converted ? FileOutcome::Converted : FileOutcome::Failed,
            HistoricCode(result)};
}

FileResult ResultOf(RelConvertResult result) {
    FileOutcome outcome = FileOutcome::Failed;
    if (result == RelConvertResult::Finished) outcome = FileOutcome::Converted;
    if (result == RelConvertResult::Stopped) outcome = FileOutcome::Stopped;
    return {outcome, HistoricCode(result)};
}

using Converter = FileResult (*)(ConversionContext&, const std::string& sourceFolder,
                                 const std::string& fileName, const std::string& destinationFolder);

struct FileType {
    std::string_view extension;
    Converter convert;
    // What the file's result becomes when one of its copies fails as its group commits.
    FileResult copyFailed;
    FileResult deleteFailed;
};

FileResult ConvertSelectedJ6iFile(ConversionContext& context, const std::string& sourceFolder,
                                  const std::string& fileName,
                                  const std::string& destinationFolder) {
    return ResultOf(ConvertJ6iFile(context, sourceFolder, fileName, destinationFolder, -1, -1));
}

FileResult ConvertSelectedRelFile(ConversionContext& context, const std::string& sourceFolder,
                                  const std::string& fileName,
                                  const std::string& destinationFolder) {
    return ResultOf(ConvertRelFile(context, sourceFolder, fileName, destinationFolder));
}

FileResult ConvertSelectedJpegFile(ConversionContext& context, const std::string& sourceFolder,
                                   const std::string& fileName,
                                   const std::string& destinationFolder) {
    return ResultOf(ConvertJpegFile(context, sourceFolder, fileName, destinationFolder));
}

// Tested in this order; the first equal extension wins.
const std::array kFileTypes = {
    FileType{".REL", &ConvertSelectedRelFile, ResultOf(RelConvertResult::ImageFailed),
             ResultOf(RelConvertResult::ImageFailed)},
    FileType{".J6I", &ConvertSelectedJ6iFile, ResultOf(J6iConvertResult::CopyFailed),
             ResultOf(J6iConvertResult::DeleteFailed)},
    FileType{".JPG", &ConvertSelectedJpegFile, ResultOf(JpegConvertResult::CopyFailed),
             ResultOf(JpegConvertResult::DeleteFailed)},
};

const FileType* FindFileType(std::string_view upperExtension) {
    for (const FileType& type : kFileTypes) {
        if (type.extension == upperExtension) return &type;
    }
    return nullptr;
}

// Asks for the images a few files ahead of the copier to be read in, so that the disk always
// has the next reads queued while the current file is copied.
class SourceReadAhead {
public:
    SourceReadAhead(const RunRequest& request, const DestinationFolder* destination)
        : request_(request),
          // Where the copies share the sources' blocks, only what the readers read is read.
          bytes_(destination && CopiesShareBlocks(request.sourceFolder, *destination)
                     ? kReaderBytes
                     : kWholeFile) {}

    void AdviseAhead(std::size_t number) {
        constexpr std::size_t kDistance = 16;
        while (advised_ < number + kDistance && next_ < request_.files.size()) {
            const FileListEntry& entry = request_.files[next_++];
            if (!entry.selected) continue;
            ++advised_;
            const std::string extension = UpperCasedExtension(entry.name);
            if (extension == ".J6I" || extension == ".JPG") {
                AdviseWillRead(JoinFolderPath(request_.sourceFolder, entry.name), bytes_);
            }
        }
    }

private:
    // Enough for a .J6I header and a .JPG camera text block.
    static constexpr std::uint64_t kReaderBytes = 64 * 1024;

    const RunRequest& request_;
    const std::uint64_t bytes_;
    std::size_t next_ = 0;
    std::size_t advised_ = 0;
};

void Count(RunSummary& summary, const FileResult& result) {
    switch (result.outcome) {
        case FileOutcome::Converted:
            ++summary.converted;
            break;
        case FileOutcome::Failed:
            ++summary.failed;
            break;
        case FileOutcome::NotConverted:
            break;
        case FileOutcome::Stopped:
            return;
    }
    ++summary.finished;
}

}  // namespace

RunSummary RunConversion(const RunRequest& request, LogSink& log, RunObserver* observer,
                         std::stop_token stop) {
    RunSummary summary;
    summary.selected =
        static_cast<std::size_t>(std::count_if(request.files.begin(), request.files.end(),
                                               [](const auto& entry) { return entry.selected; }));
    log.Clear();
    {
        // Its end commits every copy still staged and writes the last lines.
        ConversionContext context(log, request.options, CommitPace::Grouped, stop);
        SourceReadAhead readAhead(request, context.DestinationFor(request.destinationFolder).get());
        std::size_t number = 0;
        for (const FileListEntry& entry : request.files) {
            if (!entry.selected) continue;
            if (stop.stop_requested()) {
                summary.stopped = true;
                break;
            }
            const FileProgress progress{++number, summary.selected, entry.name};
            readAhead.AdviseAhead(number);
            if (observer) observer->FileStarted(progress);

            context.log.BeginEntry();
            context.log.AppendLine(entry.name);
            summary.lastExt = UpperCasedExtension(entry.name);
            const FileType* type = FindFileType(summary.lastExt);
            const FileResult provisional =
                type ? type->convert(context, request.sourceFolder, entry.name,
                                     request.destinationFolder)
                     : FileResult{};
            context.log.ScrollToEnd();
            context.log.EndEntry([&summary, observer, progress, provisional,
                                  type](std::optional<CopySettlement> failure) {
                FileResult result = provisional;
                if (failure && type) {
                    result = *failure == CopySettlement::DeleteFailed ? type->deleteFailed
                                                                      : type->copyFailed;
                }
                Count(summary, result);
                if (observer) observer->FileFinished(progress, result);
            });
            if (provisional.outcome == FileOutcome::Stopped) summary.stopped = true;
            context.SettleCopies(false);
        }
    }
    summary.fileListNeedsReread =
        request.options.deleteSource || request.destinationFolder == request.sourceFolder;
    return summary;
}

}  // namespace kadoro
