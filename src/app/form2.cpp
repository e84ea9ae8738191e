// The browse-mode toolbar window's frame.
#include "app/form2.h"

#include "app/fonts.h"

namespace kadoro {

TForm2::TForm2(QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8("LUMOｺﾝﾄﾛｰﾗ - 閲覧ﾓｰﾄﾞ"));
    setFont(WindowFont());
    resize(613, 57);
    move(0, 0);
    setEnabled(false);  // enabled on the first entry into browse mode
}

}  // namespace kadoro
