// The system's own texts: log lines and messages exactly as users, their logs and their habits
// know them. These are stored texts, not prose to polish: several keep historic spellings on
// purpose (ファィル with a small ィ, half-width kana, "!" on some lines and not on others), and
// each must stay byte for byte as it is (ﾍﾞｯﾀﾞｰ for ヘッダー included). Texts with % fields are
// printf formats for FormatText; texts named ...Label begin a report line whose value is appended
// as it stands.
#pragma once

#include <cinttypes>

namespace kadoro::texts {

// The conversion run.
inline constexpr const char* kConversionFinished = "変換終了しました.";
inline constexpr const char* kNewName = "新名[%s]";
inline constexpr const char* kDeleted = "削除[%s]";
inline constexpr const char* kDeleteFailed = "削除失敗";
inline constexpr const char* kNoScheme = "命名方式が選択されていません";

// .J6I images (the report uses the first three as well).
inline constexpr const char* kJ6iOldName = "旧名[%s]";
inline constexpr const char* kJ6iCannotOpen = "ファィルオープンエラー";
inline constexpr const char* kJ6iReadError = "ファィル読み込みエラー";
inline constexpr const char* kNotJ6i = "J6Iファイルではありません";
inline constexpr const char* kJ6iCopyError = "コピーエラー";

// .JPG images.
inline constexpr const char* kJpegOldName = "旧名[%s] →";
inline constexpr const char* kJpegCannotOpen = "ファイルがオープンできません!";
inline constexpr const char* kJpegFormatDiffers = "フォーマットが違います! [%s]";
inline constexpr const char* kJpegCopyError = "コピーエラー!";

// .REL indexes; %s is the index's file name.
inline constexpr const char* kRelCannotOpen = "ファィルオープンエラー[%s]";
inline constexpr const char* kRelReadError = "ファィル読み込みエラー[%s]";
inline constexpr const char* kNotRel = "J6IのRELファイルではありません[%s]";
inline constexpr const char* kRelTruncated = "RELファイルが途中で切れています[%s]";
inline constexpr const char* kRelUnsafeName = "RELファイルの画像名が不正です[%s]";

// The folder panel and the settings file.
inline constexpr const char* kDriveInaccessible = "そのドライブはアクセスできません！";
inline constexpr const char* kCannotMakeFolder = "ディレクトリが作れません!";
// Newer than the others: a folder that is gone, or that cannot be read; %1 is the folder, %2 the
// system's reason (QString::arg fields).
inline constexpr const char* kFolderNotFound = "ﾌｫﾙﾀﾞ [%1] が見つかりません!";
inline constexpr const char* kFolderUnreadable = "ﾌｫﾙﾀﾞ [%1] が読めません! (%2)";
// Masks of the source file list: at start, with the viewer's file kinds off, and on.
inline constexpr const char* kStartMask = "*.JPG;*.J6i;*.REL";
inline constexpr const char* kStandardMask = "*.REL;*.JPG;*.J6I";
inline constexpr const char* kViewerMask =
    "*.BMP;*.JPG;*.GIF;*.TIF;*.MAG;*.PIC;*.Q0;*.Q4;*.CAM;*.J6I";
inline constexpr const char* kSourceFolderMissing = "画像ﾌｫﾙﾀﾞ [%s] が見つかりません!";
inline constexpr const char* kDestinationFolderMissing = "保存ﾌｫﾙﾀﾞ [%s] が見つかりません!";
inline constexpr const char* kSettingsCannotWrite = "%s に書き込めません";

// The information report. Labels fill a 21-column field before ": ". The general open error is
// spelled ファイル, the camera parts' ファィル.
inline constexpr const char* kReportTitle = "[%s]の情報";
inline constexpr const char* kReportCannotOpen = "ファイルオープンエラー";
inline constexpr const char* kReportFileSize = "ﾌｧｲﾙ ｻｲｽﾞ            : %" PRId64 "ﾊﾞｲﾄ";
inline constexpr const char* kReportTimeStampLabel = "ﾌｧｲﾙ ﾀｲﾑｽﾀﾝﾌﾟ        : ";
inline constexpr const char* kReportUsed = "使用";
inline constexpr const char* kReportNotUsed = "未使用";

inline constexpr const char* kReportJ6iShotDate =
    "撮 影 日 付          : %04d年%02d月%02d日 %02d:%02d:%02d";
inline constexpr const char* kReportDscVersion = "DSCﾊﾞｰｼﾞｮﾝ           : %d.%d";
inline constexpr const char* kReportHeaderSize = "ﾍﾞｯﾀﾞｰｻｲｽﾞ           : %dﾊﾞｲﾄ";
inline constexpr const char* kReportDcVersionLabel = "DCﾊﾞｰｼﾞｮﾝ            : ";

inline constexpr const char* kReportNoInformation = "情報がありません";
inline constexpr const char* kReportMakerLabel = "メーカー             : ";
inline constexpr const char* kReportShotTime =
    "撮影時刻             : %04d年%02d月%02d日 %02d:%02d:%02d";
inline constexpr const char* kReportNoShotDate = "撮影時刻             : 撮影日付なし";
inline constexpr const char* kReportFlashLabel = "フラッシュ           : ";
inline constexpr const char* kReportResolution = "解像度No             : %d";
inline constexpr const char* kReportImageSizeLabel = "画像サイズ           : ";
inline constexpr const char* kReportZoomLabel = "ズーム               : ";
inline constexpr const char* kReportMacroLabel = "マクロ               : ";
inline constexpr const char* kReportCameraTypeLabel = "カメラタイプ         : ";
inline constexpr const char* kReportCameraVersionLabel = "カメラバージョン     : ";
inline constexpr const char* kReportCameraIdLabel = "カメラＩＤ           : ";
// Image sizes 0-4 of the camera text, and any other value.
inline constexpr const char* kReportImageSizes[] = {"320x240", "640x480", "1024x384(パノラマ)",
                                                    "1024x768(精細)", "1024x768(高精細)"};
inline constexpr const char* kReportImageSizeUnknown = "不明";

}  // namespace kadoro::texts
