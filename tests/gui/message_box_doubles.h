// Message boxes for the GUI tests: one that records what it is asked, one that fails the test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/kadoro_application.h"
#include "app/message_boxes.h"

namespace kadoro {

// Records the text of every box, in order, as UTF-8, and answers the delete question with a
// preset answer.
class RecordingMessageBoxes : public MessageBoxes {
public:
    void Inform(QWidget*, const QString& text) override { texts.push_back(text.toStdString()); }
    DeleteAnswer AskDelete(QWidget*, const QString& text) override {
        texts.push_back(text.toStdString());
        return deleteAnswer;
    }

    std::vector<std::string> texts;
    DeleteAnswer deleteAnswer = DeleteAnswer::Cancel;
};

// The boxes of a test that expects none: any box is a failure, and nothing waits for a click.
class UnexpectedMessageBoxes : public MessageBoxes {
public:
    void Inform(QWidget*, const QString& text) override {
        ADD_FAILURE() << "unexpected message box: " << text.toStdString();
    }
    DeleteAnswer AskDelete(QWidget*, const QString& text) override {
        ADD_FAILURE() << "unexpected delete question: " << text.toStdString();
        return DeleteAnswer::Cancel;
    }
};

// Puts the recording boxes behind the application's error display for one test.
class ScopedAppMessageBoxes {
public:
    explicit ScopedAppMessageBoxes(MessageBoxes& boxes) : previous_(App().UseMessageBoxes(boxes)) {}
    ~ScopedAppMessageBoxes() { App().UseMessageBoxes(previous_); }
    ScopedAppMessageBoxes(const ScopedAppMessageBoxes&) = delete;
    ScopedAppMessageBoxes& operator=(const ScopedAppMessageBoxes&) = delete;

private:
    static KadoroApplication& App() { return *static_cast<KadoroApplication*>(qApp); }
    MessageBoxes& previous_;
};

}  // namespace kadoro
