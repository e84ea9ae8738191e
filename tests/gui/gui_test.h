// The GUI tests' fixture: after each test, no window is left behind.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

namespace kadoro {

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
