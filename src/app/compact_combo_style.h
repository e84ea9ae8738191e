// A combo box style with a narrow drop-down button, so that "100%" fits the zoom combo's 54 pixels.
#pragma once

#include <QProxyStyle>

namespace kadoro {

class CompactComboStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit CompactComboStyle(int arrowWidth, QObject* parent);

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;

private:
    int arrowWidth_;
};

}  // namespace kadoro
