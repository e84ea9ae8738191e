// The application object: an error that escapes an event handler is shown, and the loop goes on.
#pragma once

#include <QApplication>

#include "app/message_boxes.h"

namespace kadoro {

class KadoroApplication : public QApplication {
    Q_OBJECT

public:
    KadoroApplication(int& argc, char** argv, MessageBoxes& boxes);

    bool notify(QObject* receiver, QEvent* event) override;

    // Lets tests answer the error box; returns the boxes used until now.
    MessageBoxes& UseMessageBoxes(MessageBoxes& boxes);

private:
    MessageBoxes* boxes_;
};

}  // namespace kadoro
