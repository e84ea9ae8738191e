// The items of the source file list: file names shown as text, their native bytes kept.
#pragma once

#include <string>
#include <vector>

class QListWidget;
class QListWidgetItem;

namespace kadoro {

// Replaces the list's items with names (native bytes, in the order given) in one go; nothing
// stays selected.
void FillFileList(QListWidget& list, const std::vector<std::string>& names);

// The native name of an item filled by FillFileList, even when its bytes are no valid text.
std::string FileNameOfItem(const QListWidgetItem& item);

}  // namespace kadoro
