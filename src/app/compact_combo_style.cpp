// Narrows a combo box's drop-down button and gives the room to its text field.
#include "app/compact_combo_style.h"

namespace kadoro {

CompactComboStyle::CompactComboStyle(int arrowWidth, QObject* parent) : arrowWidth_(arrowWidth) {
    setParent(parent);
}

QRect CompactComboStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                        SubControl subControl, const QWidget* widget) const {
    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control != CC_ComboBox ||
        (subControl != SC_ComboBoxArrow && subControl != SC_ComboBoxEditField)) {
        return rect;
    }
    const int spare =
        QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget).width() -
        arrowWidth_;
    if (spare <= 0) return rect;
    if (subControl == SC_ComboBoxArrow) {
        rect.setLeft(rect.left() + spare);
    } else {
        rect.setRight(rect.right() + spare);
    }
    return rect;
}

}  // namespace kadoro
