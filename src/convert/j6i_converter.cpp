// Converting one .J6I image.
#include "convert/j6i_converter.h"

#include "common/format_text.h"
#include "common/system_texts.h"
#include "convert/copy_step.h"
#include "readers/j6i_header.h"

namespace kadoro {

J6iConvertResult ConvertJ6iFile(ConversionContext& context, const std::string& sourceFolder,
                                const std::string& fileName, const std::string& destinationFolder,
                                int sequenceNumber, int subNumber) {
    const std::string sourcePath = JoinFolderPath(sourceFolder, fileName);
    context.AwaitPendingDeletion(sourcePath);
    context.log.AppendLine(FormatText(texts::kJ6iOldName, fileName.c_str()));

    J6iHeader header;
    switch (ReadJ6iHeader(sourcePath, header)) {
        case J6iReadResult::CannotOpen:
            context.log.AppendLine(texts::kJ6iCannotOpen);
            return J6iConvertResult::CannotOpen;
        case J6iReadResult::ShortRead:
            context.log.AppendLine(texts::kJ6iReadError);
            return J6iConvertResult::ReadError;
        case J6iReadResult::NotJ6i:
            context.log.AppendLine(texts::kNotJ6i);
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
        context.log.AppendLine(texts::kNoScheme);
        return J6iConvertResult::NoScheme;
    }

    return ToConvertResult<J6iConvertResult>(
        CopyToFreeName(context, {sourceFolder, sourcePath, destinationFolder, *baseName,
                                 FileKind::J6i, texts::kJ6iCopyError}));
}

}  // namespace kadoro
