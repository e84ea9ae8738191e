// The window's message boxes behind one small interface, so that tests can answer them.
#pragma once

#include <QString>

class QWidget;

namespace kadoro {

class MessageBoxes {
public:
    enum class DeleteAnswer { Yes, No, Cancel, All };

    virtual ~MessageBoxes() = default;
    // A modal box with the text and one OK button.
    virtual void Inform(QWidget* parent, const QString& text) = 0;
    // The "確認" box with はい, いいえ, ｷｬﾝｾﾙ and すべて.
    virtual DeleteAnswer AskDelete(QWidget* parent, const QString& text) = 0;
};

// The real boxes, with QMessageBox.
class QtMessageBoxes : public MessageBoxes {
public:
    void Inform(QWidget* parent, const QString& text) override;
    DeleteAnswer AskDelete(QWidget* parent, const QString& text) override;
};

}  // namespace kadoro
