// The conversion run driver and its file-type table.
#include "convert/run_driver.h"

#include <array>
#include <string_view>

#include "convert/j6i_converter.h"
#include "convert/jpeg_converter.h"
#include "convert/rel_converter.h"
#include "platform/file_operations.h"
#include "platform/path_text.h"

namespace kadoro {
namespace {

using Converter = int (*)(ConversionContext&, const std::string& sourceFolder,
                          const std::string& fileName, const std::string& destinationFolder);

struct FileType {
    std::string_view extension;
    Converter convert;
};

int ConvertSelectedJ6iFile(ConversionContext& context, const std::string& sourceFolder,
                           const std::string& fileName, const std::string& destinationFolder) {
    return HistoricCode(ConvertJ6iFile(context, sourceFolder, fileName, destinationFolder, -1, -1));
}

int ConvertSelectedRelFile(ConversionContext& context, const std::string& sourceFolder,
                           const std::string& fileName, const std::string& destinationFolder) {
    return HistoricCode(ConvertRelFile(context, sourceFolder, fileName, destinationFolder));
}

int ConvertSelectedJpegFile(ConversionContext& context, const std::string& sourceFolder,
                            const std::string& fileName, const std::string& destinationFolder) {
    return HistoricCode(ConvertJpegFile(context, sourceFolder, fileName, destinationFolder));
}

// Tested in this order; the first equal extension wins.
constexpr std::array kFileTypes = {
    FileType{".REL", &ConvertSelectedRelFile},
    FileType{".J6I", &ConvertSelectedJ6iFile},
    FileType{".JPG", &ConvertSelectedJpegFile},
};

const FileType* FindFileType(std::string_view upperExtension) {
    for (const FileType& type : kFileTypes) {
        if (type.extension == upperExtension) return &type;
    }
    return nullptr;
}

}  // namespace

RunSummary RunConversion(const RunRequest& request, LogSink& log) {
    ConversionContext context(log, request.options);
    RunSummary summary;
    log.Clear();
    for (const FileListEntry& entry : request.files) {
        if (!entry.selected) continue;
        log.AppendLine(entry.name);
        summary.lastExt = UpperCasedExtension(entry.name);
        if (const FileType* type = FindFileType(summary.lastExt)) {
            const int result =
                type->convert(context, request.sourceFolder, entry.name, request.destinationFolder);
            ++(result == 0 ? summary.converted : summary.failed);
        }
        log.ScrollToEnd();
    }
    summary.fileListNeedsReread =
        request.options.deleteSource || request.destinationFolder == request.sourceFolder;
    return summary;
}

}  // namespace kadoro
