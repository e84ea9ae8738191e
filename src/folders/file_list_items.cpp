// Filling the file list quickly: one insertion of all names, with painting held off meanwhile.
#include "folders/file_list_items.h"

#include <QFile>
#include <QListWidget>
#include <QStringList>

namespace kadoro {
namespace {

// Set only on items whose text does not give back the name's bytes.
constexpr int kNativeNameRole = Qt::UserRole;

}  // namespace

void FillFileList(QListWidget& list, const std::vector<std::string>& names) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(names.size()));
    std::vector<int> lossy;
    for (const std::string& name : names) {
        const QByteArray bytes = QByteArray::fromStdString(name);
        texts.push_back(QFile::decodeName(bytes));
        if (QFile::encodeName(texts.back()) != bytes) lossy.push_back(int(texts.size()) - 1);
    }
    list.setUpdatesEnabled(false);
    list.clear();
    list.addItems(texts);
    for (int row : lossy) {
        list.item(row)->setData(kNativeNameRole,
                                QByteArray::fromStdString(names[std::size_t(row)]));
    }
    list.setUpdatesEnabled(true);
}

std::string FileNameOfItem(const QListWidgetItem& item) {
    const QVariant native = item.data(kNativeNameRole);
    if (native.isValid()) return native.toByteArray().toStdString();
    return QFile::encodeName(item.text()).toStdString();
}

}  // namespace kadoro
