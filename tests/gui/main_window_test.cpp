// The main window put together: the settings file restores the real folder panel, the exit
// button saves it and the close box does not, and a run takes the panel's folders.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "gui/gui_test.h"
#include "gui/message_box_doubles.h"
#include "support/fixture_files.h"
#include "support/j6i_fixture.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

using Lines = std::vector<std::string>;

class MainWindowTest : public GuiTest {
protected:
    void WriteSettings(const std::string& text) {
        std::filesystem::create_directories(std::filesystem::path(settings_).parent_path());
        std::ofstream(settings_) << text;
    }
    std::string Settings() const {
        std::ostringstream text;
        text << std::ifstream(settings_).rdbuf();
        return text.str();
    }

    test::TempFolder folder_;
    std::string cards_ = folder_.MakeFolder("cards");
    std::string photos_ = folder_.MakeFolder("photos");
    std::string settings_ = folder_.Join("config/kadoro/KADORO.INI");
    RecordingMessageBoxes boxes_;
};

TEST_F(MainWindowTest, TheSavedFoldersAndSchemeComeBackAndTheExitButtonSavesThem) {
    WriteSettings("[Kadoro for Windows]\nsave_ini=1\ndrv_from=/\ndrv_to=/\ndir_from=" + cards_ +
                  "\ndir_to=" + photos_ + "\nformat=5\n");
    {
        MainWindow window(boxes_, settings_);
        EXPECT_TRUE(window.form().CheckBox5->isChecked());
        EXPECT_EQ(window.folders().SourceFolder(), cards_);
        EXPECT_EQ(window.folders().DestinationFolder(), photos_);
        EXPECT_EQ(window.form().ComboBox1->currentIndex(), 5);

        window.form().ComboBox1->setCurrentIndex(2);
        window.form().show();
        window.form().Button1->click();
        EXPECT_FALSE(window.form().isVisible());
    }
    EXPECT_EQ(Settings(), "[Kadoro for Windows]\nsave_ini=1\ndrv_from=/\ndrv_to=/\ndir_from=" +
                              cards_ + "\ndir_to=" + photos_ + "\nformat=2\n");
    EXPECT_TRUE(boxes_.texts.empty());
}

TEST_F(MainWindowTest, TheCloseBoxWritesNothing) {
    {
        MainWindow window(boxes_, settings_);
        window.form().CheckBox5->setChecked(true);
        window.form().show();
        window.form().close();
    }
    EXPECT_FALSE(std::filesystem::exists(settings_));
}

TEST_F(MainWindowTest, ARunConvertsTheSelectedFilesOfThePanelsFoldersAndRereadsTheList) {
    test::WriteJ6iFile(cards_ + "/P0000001.J6I");
    test::WriteJ6iFile(cards_ + "/P0000002.J6I");
    MainWindow window(boxes_, settings_);
    ASSERT_TRUE(window.folders().SetSourceFolder(cards_));
    ASSERT_TRUE(window.folders().SetDestinationFolder(photos_));
    TForm1& form = window.form();
    ASSERT_EQ(form.FileListBox1->count(), 2);
    form.ComboBox1->setCurrentIndex(8);
    form.CheckBox1->setChecked(true);
    form.Button3->click();
    form.Button2->click();

    ProcessEventsUntil([this] { return !boxes_.texts.empty(); });
    EXPECT_EQ(boxes_.texts, Lines{"変換終了しました."});
    EXPECT_EQ(test::FolderEntries(photos_), (Lines{"971123-001.j6i", "971123-002.j6i"}));
    EXPECT_EQ(form.FileListBox1->count(), 0) << "the sources are gone, and the list knows it";
}

}  // namespace
}  // namespace kadoro
