// The main window as built: every control is there under its name.
#include "app/form1.h"

#include <gtest/gtest.h>

namespace kadoro {
namespace {

TEST(Form1Test, EveryControlIsFoundByItsName) {
    TForm1 form;
    for (const char* name :
         {"GroupBox2", "DriveComboBox2", "DirectoryListBox2", "FileListBox1",   "Button3",
          "CheckBox4", "Button17",       "GroupBox1",         "DriveComboBox1", "DirectoryListBox1",
          "Edit1",     "Button4",        "CheckBox2",         "Button16",       "CheckBox5",
          "Button2",   "CheckBox1",      "Button1",           "ComboBox1",      "ListBox1",
          "GroupBox3", "SpeedButton1",   "SpeedButton17",     "ComboBox2",      "Label1",
          "Label2"}) {
        EXPECT_NE(form.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    }
    EXPECT_EQ(form.size(), QSize(671, 446));
    EXPECT_EQ(form.ComboBox1->count(), 11);
}

}  // namespace
}  // namespace kadoro
