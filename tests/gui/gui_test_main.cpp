// The GUI tests' shared main: the program's application object, on the offscreen platform unless
// told otherwise, with the program's fonts; message boxes fail a test unless it answers them.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/fonts.h"
#include "app/kadoro_application.h"
#include "gui/message_box_doubles.h"

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    kadoro::UnexpectedMessageBoxes boxes;
    kadoro::KadoroApplication application(argc, argv, boxes);
    kadoro::InstallFontSubstitutions();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
