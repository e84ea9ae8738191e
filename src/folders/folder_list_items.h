// The items of a folder list: the folders from the volume root down to the current folder, then
// its sub-folders, indented like a tree path.
#pragma once

#include <string>
#include <vector>

class QListWidget;
class QListWidgetItem;

namespace kadoro {

// Gives the list its indented look; once per list.
void PrepareFolderList(QListWidget& list);

// Replaces the items: root, the folders down to folder (the current item), then subFolders, the
// names of folder's sub-folders. folder must be root or lie below it.
void FillFolderList(QListWidget& list, const std::string& root, const std::string& folder,
                    const std::vector<std::string>& subFolders);

// The folder string that an item of a filled list stands for.
std::string FolderOfItem(const QListWidgetItem& item);

}  // namespace kadoro
