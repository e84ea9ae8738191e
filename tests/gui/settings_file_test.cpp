// The settings file on real files: what a save writes, what a load restores, and the messages
// for folders that are gone or a file that cannot be written.
#include "app/settings_file.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "gui/message_box_doubles.h"
#include "platform/folder_listing.h"
#include "support/fixture_files.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

using Lines = std::vector<std::string>;

// Two folder pairs on real folders; every folder here lies on the volume "/".
class FolderPairs : public SettingsPanel {
public:
    explicit FolderPairs(const std::string& start) : folders_{start, start} {}
    std::string Drive(PanelSide) const override { return "/"; }
    std::string Folder(PanelSide side) const override { return folders_[Index(side)]; }
    void PickDrive(PanelSide, const std::string&) override {}
    bool EnterFolder(PanelSide side, const std::string& folder) override {
        if (!IsExistingFolder(folder)) return false;
        folders_[Index(side)] = folder;
        return true;
    }

private:
    static int Index(PanelSide side) { return side == PanelSide::Source ? 0 : 1; }
    std::string folders_[2];
};

std::string ReadText(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

class SettingsFileTest : public testing::Test {
protected:
    SettingsFileTest() {
        for (int scheme = 0; scheme < 11; ++scheme)
            scheme_.addItem(QString::number(scheme));
    }
    void Write(const std::string& text) {
        std::filesystem::create_directories(std::filesystem::path(path_).parent_path());
        std::ofstream(path_) << text;
    }
    void Load() { LoadSettings(path_, panel_, saveState_, scheme_, boxes_, nullptr); }
    bool Save() { return SaveSettings(path_, panel_, saveState_, scheme_, boxes_, nullptr); }

    test::TempFolder folder_;
    std::string start_ = folder_.MakeFolder("start");
    std::string cards_ = folder_.MakeFolder("cards");
    std::string photos_ = folder_.MakeFolder("photos");
    std::string path_ = folder_.Join("config/kadoro/KADORO.INI");
    FolderPairs panel_{start_};
    QCheckBox saveState_;
    QComboBox scheme_;
    RecordingMessageBoxes boxes_;
};

TEST_F(SettingsFileTest, NoFileRestoresNothingAndSaysNothing) {
    Load();
    EXPECT_FALSE(saveState_.isChecked());
    EXPECT_EQ(panel_.Folder(PanelSide::Source), start_);
    EXPECT_EQ(scheme_.currentIndex(), 0);
    EXPECT_TRUE(boxes_.texts.empty());
    EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(SettingsFileTest, ASavedStateComesBackAtTheNextStart) {
    saveState_.setChecked(true);
    panel_.EnterFolder(PanelSide::Source, cards_);
    panel_.EnterFolder(PanelSide::Destination, photos_);
    scheme_.setCurrentIndex(7);
    ASSERT_TRUE(Save());
    EXPECT_EQ(ReadText(path_), "[Kadoro for Windows]\nsave_ini=1\ndrv_from=/\ndrv_to=/\ndir_from=" +
                                   cards_ + "\ndir_to=" + photos_ + "\nformat=7\n");

    FolderPairs next(start_);
    QCheckBox saveState;
    QComboBox scheme;
    for (int i = 0; i < 11; ++i)
        scheme.addItem(QString::number(i));
    LoadSettings(path_, next, saveState, scheme, boxes_, nullptr);
    EXPECT_TRUE(saveState.isChecked());
    EXPECT_EQ(next.Folder(PanelSide::Source), cards_);
    EXPECT_EQ(next.Folder(PanelSide::Destination), photos_);
    EXPECT_EQ(scheme.currentIndex(), 7);
    EXPECT_TRUE(boxes_.texts.empty());
}

TEST_F(SettingsFileTest, AnUncheckedExitWritesOnlySaveIniAndKeepsTheRest) {
    Write("[other]\nkey=value\n\n[Kadoro for Windows]\nformat=3\nextra=kept\n");
    ASSERT_TRUE(Save());
    const std::string saved = ReadText(path_);
    EXPECT_EQ(saved,
              "[other]\nkey=value\n\n\n[Kadoro for Windows]\nformat=3\nextra=kept\nsave_ini=0\n");
    ASSERT_TRUE(Save());
    EXPECT_EQ(ReadText(path_), saved) << "a second save changes nothing";
    Load();
    EXPECT_FALSE(saveState_.isChecked());
    EXPECT_EQ(scheme_.currentIndex(), 0) << "save_ini 0 restores nothing";
}

struct LoadCase {
    const char* name;
    const char* keys;  // of the section, after the drive and folder keys
    bool checked;
    int scheme;
    friend void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsLoadTest : public SettingsFileTest, public testing::WithParamInterface<LoadCase> {};

TEST_P(SettingsLoadTest, SaveIniAndFormatAreReadAsTheyAlwaysWere) {
    Write(std::string("[kadoro FOR windows]\ndrv_from=/\ndrv_to=/\ndir_from=") + cards_ +
          "\ndir_to=" + photos_ + "\n" + GetParam().keys);
    Load();
    EXPECT_EQ(saveState_.isChecked(), GetParam().checked);
    EXPECT_EQ(scheme_.currentIndex(), GetParam().scheme);
    EXPECT_EQ(panel_.Folder(PanelSide::Source), GetParam().checked ? cards_ : start_);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SettingsLoadTest,
    testing::Values(LoadCase{"NoSaveIni", "format=5\n", false, 0},
                    LoadCase{"SaveIniOne", "save_ini=1\nformat=5\n", true, 5},
                    LoadCase{"SaveIniTwo", "save_ini=2\n", true, 0},
                    LoadCase{"SaveIniHex", "save_ini=0x1\nformat=$A\n", true, 10},
                    LoadCase{"SaveIniWord", "save_ini=yes\nformat=5\n", false, 0},
                    LoadCase{"FormatUnreadable", "save_ini=1\nformat=five\n", true, 0},
                    LoadCase{"FormatOutOfRange", "save_ini=1\nformat=0x20\n", true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsFileTest, NoDriveKeyMeansNothingWasSaved) {
    Write("[Kadoro for Windows]\nsave_ini=1\nformat=4\n");
    Load();
    EXPECT_FALSE(saveState_.isChecked());
    EXPECT_EQ(scheme_.currentIndex(), 0);
}

TEST_F(SettingsFileTest, FoldersThatAreGoneGetTheirMessageAndTheirFallback) {
    const std::string gone = folder_.Join("gone");
    Write("[Kadoro for Windows]\nsave_ini=1\ndrv_from=/\ndrv_to=/\ndir_from=" + gone +
          "\ndir_to=" + gone + "2\n");
    panel_.EnterFolder(PanelSide::Destination, photos_);
    Load();
    EXPECT_EQ(boxes_.texts, (Lines{"画像ﾌｫﾙﾀﾞ [" + gone + "] が見つかりません!",
                                   "保存ﾌｫﾙﾀﾞ [" + gone + "2] が見つかりません!"}));
    EXPECT_EQ(panel_.Folder(PanelSide::Source), start_) << "back where it started";
    EXPECT_EQ(panel_.Folder(PanelSide::Destination), start_) << "the source folder, not its own";
}

TEST_F(SettingsFileTest, AFileThatCannotBeWrittenSaysSoAndStaysAsItWas) {
    std::filesystem::create_directories(path_);  // a folder where the file should be
    saveState_.setChecked(true);
    EXPECT_FALSE(Save());
    EXPECT_EQ(boxes_.texts, Lines{path_ + " に書き込めません"});
    EXPECT_TRUE(std::filesystem::is_directory(path_));
    EXPECT_EQ(test::FolderEntries(std::filesystem::path(path_).parent_path()), Lines{"KADORO.INI"})
        << "no temporary left behind";
}

TEST(SettingsIntegerTest, DecimalAndTheTwoHexadecimalForms) {
    const std::vector<std::pair<std::string, std::optional<int>>> cases = {
        {"7", 7},
        {"-3", -3},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$a", 10},
        {"", std::nullopt},
        {"yes", std::nullopt},
        {"1 ", std::nullopt},
        {"0x", std::nullopt},
        {"99999999999", std::nullopt}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ReadSettingsInteger(text), value) << "'" << text << "'";
    }
}

TEST(SettingsPathTest, FollowsXdgConfigHome) {
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string before = saved ? saved : "";
    setenv("XDG_CONFIG_HOME", "/somewhere", 1);
    EXPECT_EQ(SettingsFilePath(), "/somewhere/kadoro/KADORO.INI");
    if (saved)
        setenv("XDG_CONFIG_HOME", before.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace kadoro
