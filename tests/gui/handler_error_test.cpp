// An error that escapes a handler: shown in a message box, and the window goes on. This test has
// a binary of its own because Qt leaves some of its event data behind when an exception unwinds
// through its frames (the application's notify catches it there); the leak checker is told so
// for this binary alone.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/form1.h"
#include "gui/gui_test.h"
#include "gui/message_box_doubles.h"

namespace kadoro {
namespace {

class HandlerErrorTest : public GuiTest {};

TEST_F(HandlerErrorTest, AnErrorInAHandlerIsShownAndTheWindowGoesOn) {
    RecordingMessageBoxes boxes;
    ScopedAppMessageBoxes useBoxes(boxes);
    TForm1 form;
    int clicks = 0;
    QObject::connect(form.Button2, &QPushButton::clicked, &form, [&clicks] {
        ++clicks;
        throw std::runtime_error("ファィルが読めません " + std::to_string(clicks));
    });
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    QTest::mouseClick(form.Button2, Qt::LeftButton);
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    EXPECT_EQ(boxes.texts,
              (std::vector<std::string>{"ファィルが読めません 1", "ファィルが読めません 2"}));
    EXPECT_TRUE(form.isVisible());
    QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace kadoro
