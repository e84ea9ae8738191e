// The folder panel's messages and file-list masks, byte for byte as users know them.
#pragma once

namespace kadoro::texts {

inline constexpr const char* kDriveInaccessible = "そのドライブはアクセスできません！";
inline constexpr const char* kCannotMakeFolder = "ディレクトリが作れません!";
// A folder that is gone, or that cannot be read; %1 is the folder, %2 the system's reason.
inline constexpr const char* kFolderNotFound = "ﾌｫﾙﾀﾞ [%1] が見つかりません!";
inline constexpr const char* kFolderUnreadable = "ﾌｫﾙﾀﾞ [%1] が読めません! (%2)";

// Masks of the source file list: at start, with the viewer's file kinds off, and on.
inline constexpr const char* kStartMask = "*.JPG;*.J6i;*.REL";
inline constexpr const char* kStandardMask = "*.REL;*.JPG;*.J6I";
inline constexpr const char* kViewerMask =
    "*.BMP;*.JPG;*.GIF;*.TIF;*.MAG;*.PIC;*.Q0;*.Q4;*.CAM;*.J6I";

}  // namespace kadoro::texts
