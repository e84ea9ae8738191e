// Converting one .JPG image.
#include "convert/jpeg_converter.h"

#include "common/format_text.h"
#include "common/system_texts.h"
#include "convert/copy_step.h"
#include "platform/file_facts.h"
#include "readers/jpeg_camera_info.h"

namespace kadoro {
JpegConvertResult ConvertJpegFile(ConversionContext& context, const std::string& sourceFolder,
                                  const std::string& fileName,
                                  const std::string& destinationFolder) {
    const std::string sourcePath = JoinFolderPath(sourceFolder, fileName);
    context.AwaitPendingDeletion(sourcePath);
    context.log.AppendLine(FormatText(texts::kJpegOldName, fileName.c_str()));

    JpegCameraInfo info;
    switch (ReadJpegCameraInfo(sourcePath, info)) {
        case JpegReadResult::CannotOpen:
            context.log.AppendLine(texts::kJpegCannotOpen);
            return JpegConvertResult::CannotOpen;
        case JpegReadResult::LayoutDiffers:
            context.log.AppendLine(FormatText(texts::kJpegFormatDiffers, sourcePath.c_str()));
            return JpegConvertResult::FormatDiffers;
        case JpegReadResult::Read:
        case JpegReadResult::Empty:
            break;
    }

    // Without a date inside, the file's own last-write time in local time names it.
    std::tm shotTime = info.shotTime;
    if (shotTime.tm_year == 0) {
        const auto facts = ExamineFile(sourcePath);
        if (!facts) {
            context.log.AppendLine(texts::kJpegCannotOpen);
            return JpegConvertResult::NoFileTime;
        }
        shotTime = facts->lastWriteLocal;
    }

    const JpgLabels labels = MakeJpgLabels(info.maker, info.resolution, info.imageSize);
    NameFields fields;
    fields.sequenceText = MakeSequenceText(fileName, -1, -1);
    fields.year = shotTime.tm_year;
    fields.month = shotTime.tm_mon + 1;
    fields.day = shotTime.tm_mday;
    fields.hour = shotTime.tm_hour;
    fields.minute = shotTime.tm_min;
    fields.second = shotTime.tm_sec;
    fields.sizeLabel = labels.sizeLabel;
    fields.qualityLetter = labels.qualityLetter;
    fields.cameraLabel = labels.cameraLabel;

    const auto baseName = BuildNewName(FileKind::Jpg, context.options.schemeIndex, fields);
    if (!baseName) {
        context.log.AppendLine(texts::kNoScheme);
        return JpegConvertResult::NoScheme;
    }

    return ToConvertResult<JpegConvertResult>(
        CopyToFreeName(context, {sourceFolder, sourcePath, destinationFolder, *baseName,
                                 FileKind::Jpg, texts::kJpegCopyError}));
}

}  // namespace kadoro
