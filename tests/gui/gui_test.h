// The GUI tests' fixture: after each test, no window is left behind.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

namespace kadoro {

// Lets the window's events run until the condition holds; false after ten seconds.
template <typename Condition>
bool ProcessEventsUntil(Condition condition) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > 10000) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

class GuiTest : public testing::Test {
protected:
    void TearDown() override {
        QApplication::processEvents();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->inherits("QTipLabel")) continue;  // Qt's own tooltip, kept for reuse
            ADD_FAILURE() << "window left behind: " << window->metaObject()->className() << " "
                          << window->objectName().toStdString();
        }
    }
};

}  // namespace kadoro
