// The one place where an error that a handler does not handle itself is shown.
#include "app/kadoro_application.h"

#include <exception>

namespace kadoro {

KadoroApplication::KadoroApplication(int& argc, char** argv, MessageBoxes& boxes)
    : QApplication(argc, argv), boxes_(&boxes) {}

bool KadoroApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        boxes_->Inform(QApplication::activeWindow(), QString::fromUtf8(error.what()));
        return false;
    }
}

MessageBoxes& KadoroApplication::UseMessageBoxes(MessageBoxes& boxes) {
    MessageBoxes& previous = *boxes_;
    boxes_ = &boxes;
    return previous;
}

}  // namespace kadoro
