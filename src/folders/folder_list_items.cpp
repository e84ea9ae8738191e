// Folder list items with their folder strings and depth, and a delegate that indents by depth.
#include "folders/folder_list_items.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QStyle>
#include <QStyledItemDelegate>

#include "platform/path_text.h"

namespace kadoro {
namespace {

constexpr int kFolderRole = Qt::UserRole;
constexpr int kDepthRole = Qt::UserRole + 1;
constexpr int kIndentPixels = 10;

class IndentingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented = option;
        indented.rect.adjust(Indent(index), 0, 0, 0);
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(Indent(index), 0);
    }

private:
    static int Indent(const QModelIndex& index) {
        return index.data(kDepthRole).toInt() * kIndentPixels;
    }
};

QListWidgetItem* MakeItem(const QString& text, const std::string& folder, int depth,
                          const QIcon& icon) {
    auto* item = new QListWidgetItem(icon, text);
    item->setData(kFolderRole, QByteArray::fromStdString(folder));
    item->setData(kDepthRole, depth);
    return item;
}

// The folders from root down to folder, each with its shown name.
std::vector<std::pair<std::string, std::string>> ChainFromRoot(const std::string& root,
                                                               const std::string& folder) {
    std::vector<std::pair<std::string, std::string>> chain{{root, root}};
    std::string path = root;
    std::size_t start = root.size();
    while (start < folder.size()) {
        if (folder[start] == '/') ++start;
        const std::size_t end = std::min(folder.find('/', start), folder.size());
        if (end > start) {
            const std::string name = folder.substr(start, end - start);
            path = JoinFolderPath(path, name);
            chain.emplace_back(path, name);
        }
        start = end;
    }
    return chain;
}

}  // namespace

void PrepareFolderList(QListWidget& list) {
    list.setItemDelegate(new IndentingDelegate(&list));
    list.setUniformItemSizes(false);
}

void FillFolderList(QListWidget& list, const std::string& root, const std::string& folder,
                    const std::vector<std::string>& subFolders) {
    const QIcon openIcon = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);
    const auto chain = ChainFromRoot(root, folder);
    list.setUpdatesEnabled(false);
    list.clear();
    int depth = 0;
    for (const auto& [path, name] : chain) {
        list.addItem(
            MakeItem(QFile::decodeName(QByteArray::fromStdString(name)), path, depth++, openIcon));
    }
    QListWidgetItem* current = list.item(list.count() - 1);
    for (const std::string& name : subFolders) {
        list.addItem(MakeItem(QFile::decodeName(QByteArray::fromStdString(name)),
                              JoinFolderPath(folder, name), depth, closedIcon));
    }
    list.setCurrentItem(current);
    list.setUpdatesEnabled(true);
}

std::string FolderOfItem(const QListWidgetItem& item) {
    return item.data(kFolderRole).toByteArray().toStdString();
}

}  // namespace kadoro
