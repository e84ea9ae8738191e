// Message boxes with QMessageBox.
#include "app/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace kadoro {

void QtMessageBoxes::Inform(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

MessageBoxes::DeleteAnswer QtMessageBoxes::AskDelete(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8("確認"), text, QMessageBox::NoButton,
                    parent);
    auto* yes = box.addButton(QString::fromUtf8("はい"), QMessageBox::YesRole);
    auto* no = box.addButton(QString::fromUtf8("いいえ"), QMessageBox::NoRole);
    auto* all = box.addButton(QString::fromUtf8("すべて"), QMessageBox::YesRole);
    auto* cancel = box.addButton(QString::fromUtf8("ｷｬﾝｾﾙ"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return DeleteAnswer::Yes;
    if (box.clickedButton() == no) return DeleteAnswer::No;
    if (box.clickedButton() == all) return DeleteAnswer::All;
    return DeleteAnswer::Cancel;
}

}  // namespace kadoro
