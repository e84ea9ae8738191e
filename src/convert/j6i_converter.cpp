// Converting one .J6I image.
#include "convert/j6i_converter.h"

#include "convert/copy_step.h"
#include "convert/no_scheme_line.h"
#include "readers/j6i_header.h"

namespace kadoro {

J6iConvertResult ConvertJ6iFile(ConversionContext& context, const std::string& sourceFolder,
                                const std::string& fileName, const std::string& destinationFolder,
                                int sequenceNumber, int subNumber) {
    const std::string sourcePath = JoinFolderPath(sourceFolder, fileName);
    context.log.AppendLine("旧名[" + fileName + "]");

    J6iHeader header;
    switch (ReadJ6iHeader(sourcePath, header)) {
        case J6iReadResult::CannotOpen:
            context.log.AppendLine("ファィルオープンエラー");
            return J6iConvertResult::CannotOpen;
        case J6iReadResult::ShortRead:
            context.log.AppendLine("ファィル読み込みエラー");
            return J6iConvertResult::ReadError;
        case J6iReadResult::NotJ6i:
            context.log.AppendLine("J6Iファイルではありません");
            return J6iConvertResult::NotJ6i;
        case J6iReadResult::Ok:
            break;
    }

    NameFields fields;
    fields.sequenceText = MakeSequenceText(fileName, sequenceNumber, subNumber);
    fields.year = BcdToInt(header.shotYear());
    fields.month = BcdToInt(header.shotMonth());
    fields.day = BcdToInt(header.shotDay());
    fields.hour = BcdToInt(header.shotHour());
    fields.minute = BcdToInt(header.shotMinute());
    fields.second = BcdToInt(header.shotSecond());

    const auto baseName = BuildNewName(FileKind::J6i, context.options.schemeIndex, fields);
    if (!baseName) {
        context.log.AppendLine(std::string(kNoSchemeLine));
        return J6iConvertResult::NoScheme;
    }

    return ToConvertResult<J6iConvertResult>(CopyToFreeName(
        context,
        {sourceFolder, sourcePath, destinationFolder, *baseName, FileKind::J6i, "コピーエラー"}));
}

}  // namespace kadoro
