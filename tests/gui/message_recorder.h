// A MessageBoxes double for GUI tests: records every box's text and answers the delete question
// with a preset answer.
#pragma once

#include <string>
#include <vector>

#include "app/message_boxes.h"

namespace kadoro::test {

class MessageRecorder : public MessageBoxes {
public:
    void Inform(QWidget*, const QString& text) override { texts.push_back(text.toStdString()); }
    DeleteAnswer AskDelete(QWidget*, const QString& text) override {
        texts.push_back(text.toStdString());
        return deleteAnswer;
    }

    // The texts of the boxes shown so far, in order, as UTF-8.
    std::vector<std::string> texts;
    DeleteAnswer deleteAnswer = DeleteAnswer::Cancel;
};

}  // namespace kadoro::test
