// The system's own texts: log lines and messages exactly as users, their logs and their habits
// know them. These are stored texts, not prose to polish: several keep historic spellings on
// purpose (ファィル with a small ィ, half-width kana, "!" on some lines and not on others), and
// each must stay byte for byte as it is. Texts with %s are printf formats for FormatText.
#pragma once

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

}  // namespace kadoro::texts
