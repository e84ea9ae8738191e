// Draws the log list's lines at a fixed line height, as the design spaces them.
#pragma once

#include <QStyledItemDelegate>

namespace kadoro {

class LogLineDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    LogLineDelegate(int lineHeight, QObject* parent);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int lineHeight_;
};

}  // namespace kadoro
