// The log list's fixed line height.
#include "app/log_line_delegate.h"

namespace kadoro {

LogLineDelegate::LogLineDelegate(int lineHeight, QObject* parent)
    : QStyledItemDelegate(parent), lineHeight_(lineHeight) {}

QSize LogLineDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), lineHeight_};
}

}  // namespace kadoro
