// The folder panel on the real window: drives, folder lists, the file list, new folders and swap.
#include "folders/folder_panel.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/form1.h"
#include "common/system_texts.h"
#include "gui/message_box_doubles.h"
#include "support/small_disk.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

using test::SmallDisk;
using test::TempFolder;
using Names = std::vector<std::string>;

void MakeFile(const std::string& path) {
    std::ofstream(path) << "x";
}

void MakeFiles(const std::string& folder, const Names& names) {
    for (const std::string& name : names)
        MakeFile(folder + "/" + name);
}

Names Texts(const QListWidget& list, int from = 0) {
    Names texts;
    for (int row = from; row < list.count(); ++row)
        texts.push_back(list.item(row)->text().toStdString());
    return texts;
}

// The sub-folders a folder list shows: the items after its current folder.
Names SubFolderTexts(const QListWidget& list) {
    return Texts(list, list.currentRow() + 1);
}

std::string FolderMessage(const char* format, const std::string& folder) {
    return QString::fromUtf8(format).arg(QString::fromStdString(folder)).toStdString();
}

// Runs the code in its scope without root's right to read every folder, so that folders with no
// read permission behave for the panel as they do for users.
class WithoutRootRights {
public:
    WithoutRootRights() : wasRoot_(::geteuid() == 0) {
        if (wasRoot_ && ::seteuid(65534) != 0) ADD_FAILURE() << "seteuid failed";
    }
    ~WithoutRootRights() {
        if (wasRoot_ && ::seteuid(0) != 0) ADD_FAILURE() << "seteuid back failed";
    }

private:
    bool wasRoot_;
};

class FolderPanelTest : public testing::Test {
protected:
    void TearDown() override {
        form.reset();
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    }

    // Builds the window with its panel; volumes mounted before this are in the drive boxes.
    void Open() {
        form = std::make_unique<TForm1>();
        panel = new FolderPanel(*form, boxes);
    }

    // Opens the window with the source on source and the destination on destination.
    void OpenOn(const std::string& source, const std::string& destination) {
        Open();
        ASSERT_TRUE(panel->SetSourceFolder(source));
        ASSERT_TRUE(panel->SetDestinationFolder(destination));
        ASSERT_TRUE(boxes.texts.empty());
    }

    void MountDisk() {
        disk = std::make_unique<SmallDisk>(temp.Join("disk"), 1 << 20);
        if (!disk->mounted()) GTEST_SKIP() << "mounting a tmpfs needs root";
    }

    void Activate(QListWidget& list, const std::string& text) {
        const auto found = list.findItems(QString::fromStdString(text), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text;
        list.setCurrentItem(found.front());
        QTest::keyClick(&list, Qt::Key_Return);
    }

    void CreateFolder(const std::string& name) {
        form->CheckBox2->setChecked(true);
        form->Edit1->setText(QString::fromStdString(name));
        form->Button4->click();
    }

    TempFolder temp;
    std::unique_ptr<SmallDisk> disk;
    RecordingMessageBoxes boxes;
    std::unique_ptr<TForm1> form;
    FolderPanel* panel = nullptr;  // owned by form
};

TEST_F(FolderPanelTest, StartsWithBothPairsOnTheProcessFolder) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(temp.path());
    Open();
    std::filesystem::current_path(previous);
    EXPECT_EQ(panel->SourceFolder(), temp.path());
    EXPECT_EQ(panel->DestinationFolder(), temp.path());
    EXPECT_EQ(form->DriveComboBox2->currentText().toStdString(), panel->SourceDrive());
    const QListWidget& folders = *form->DirectoryListBox2;
    EXPECT_EQ(folders.item(0)->text().toStdString(), panel->SourceDrive());
    EXPECT_EQ(folders.currentItem()->text().toStdString(),
              std::filesystem::path(temp.path()).filename().string());
    EXPECT_FALSE(form->Edit1->isEnabled());
    EXPECT_FALSE(form->Button4->isEnabled());
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(FolderPanelTest, FolderListShowsThePathDownToTheFolderThenItsVisibleSubFolders) {
    const std::string folder = temp.MakeFolder("photos");
    for (const char* name : {"b", "A", "c d", ".hidden"})
        temp.MakeFolder(std::string("photos/") + name);
    MakeFiles(folder, {"a.JPG", "e"});
    std::filesystem::create_directory_symlink(temp.path(), folder + "/link");
    OpenOn(folder, folder);

    for (const QListWidget* list : {form->DirectoryListBox2, form->DirectoryListBox1}) {
        EXPECT_EQ(SubFolderTexts(*list), (Names{"A", "b", "c d", "link"}));
        const Names chain = Texts(*list);
        ASSERT_GE(list->currentRow(), 2);
        EXPECT_EQ(chain[std::size_t(list->currentRow())], "photos");
        EXPECT_EQ(chain[std::size_t(list->currentRow()) - 1],
                  std::filesystem::path(temp.path()).filename().string());
    }
}

struct EnterCase {
    const char* name;
    const char* item;      // the folder list item entered; "@" for the temporary folder
    const char* expected;  // the folder then current, under the temporary folder
    bool doubleClick;
    friend void PrintTo(const EnterCase& c, std::ostream* os) { *os << c.name; }
};

class EnterFolderTest : public FolderPanelTest, public testing::WithParamInterface<EnterCase> {};

TEST_P(EnterFolderTest, MovesBothPairsAndTheFileList) {
    const EnterCase& c = GetParam();
    const std::string start = temp.MakeFolder("a");
    temp.MakeFolder("a/sub");
    MakeFiles(temp.path(), {"top.jpg"});
    MakeFiles(start, {"mid.jpg"});
    MakeFiles(temp.Join("a/sub"), {"low.jpg"});
    OpenOn(start, start);
    form->ShownIndex = 0;
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));

    const std::string item = std::string(c.item) == "@"
                                 ? std::filesystem::path(temp.path()).filename().string()
                                 : c.item;
    for (QListWidget* list : {form->DirectoryListBox2, form->DirectoryListBox1}) {
        if (c.doubleClick) {
            const auto found = list->findItems(QString::fromStdString(item), Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1);
            list->scrollToItem(found.front());
            // A view takes a double click on the item its last press hit.
            const QPoint where = list->visualItemRect(found.front()).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
        } else {
            Activate(*list, item);
        }
    }
    const std::string expected =
        std::string(c.expected).empty() ? temp.path() : temp.Join(c.expected);
    EXPECT_EQ(panel->SourceFolder(), expected);
    EXPECT_EQ(panel->DestinationFolder(), expected);
    EXPECT_EQ(form->ShownIndex, -1);
    EXPECT_EQ(form->FileListBox1->count(), 1);
    EXPECT_TRUE(boxes.texts.empty());
}

INSTANTIATE_TEST_SUITE_P(FolderLists, EnterFolderTest,
                         testing::Values(EnterCase{"EnterOnSubFolder", "sub", "a/sub", false},
                                         EnterCase{"DoubleClickOnSubFolder", "sub", "a/sub", true},
                                         EnterCase{"EnterOnParent", "@", "", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FolderPanelTest, FileListShowsMatchingVisibleFilesSortedIgnoringCase) {
    MakeFiles(temp.path(), {"b.jpg", "A.J6I", "c.rel", "C.JPG", ".h.jpg", "d.txt", "\xff.jpg"});
    temp.MakeFolder("e.JPG");
    OpenOn(temp.path(), temp.path());

    Names names;
    for (int row = 0; row < form->FileListBox1->count(); ++row)
        names.push_back(panel->FileNameAt(row));
    EXPECT_EQ(names, (Names{"A.J6I", "b.jpg", "C.JPG", "c.rel", "\xff.jpg"}));
    EXPECT_EQ(form->FileListBox1->selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST_F(FolderPanelTest, MaskSwitchListsTheViewerKindsAndBack) {
    MakeFiles(temp.path(), {"a.REL", "b.JPG", "c.J6I", "d.BMP", "e.gif", "f.TIF", "g.MAG", "h.PIC",
                            "i.Q0", "j.Q4", "k.CAM", "l.txt", "m.PNG"});
    OpenOn(temp.path(), temp.path());
    const Names standard{"a.REL", "b.JPG", "c.J6I"};
    EXPECT_EQ(Texts(*form->FileListBox1), standard);

    form->FileListBox1->selectAll();
    form->ShownIndex = 2;
    form->CheckBox4->setChecked(true);
    EXPECT_EQ(Texts(*form->FileListBox1), (Names{"b.JPG", "c.J6I", "d.BMP", "e.gif", "f.TIF",
                                                 "g.MAG", "h.PIC", "i.Q0", "j.Q4", "k.CAM"}));
    EXPECT_TRUE(form->FileListBox1->selectedItems().isEmpty());
    EXPECT_EQ(form->ShownIndex, -1);

    form->ShownIndex = 2;
    form->CheckBox4->setChecked(false);
    EXPECT_EQ(Texts(*form->FileListBox1), standard);
    EXPECT_EQ(form->ShownIndex, -1);
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(FolderPanelTest, ShownIndexIsResetByMovingTheCurrentFileNotBySelectingAll) {
    MakeFiles(temp.path(), {"a.jpg", "b.jpg", "c.jpg"});
    OpenOn(temp.path(), temp.path());
    form->FileListBox1->setCurrentRow(0);
    form->ShownIndex = 2;
    form->FileListBox1->selectAll();
    form->FileListBox1->clearSelection();
    EXPECT_EQ(form->ShownIndex, 2);
    QTest::keyClick(form->FileListBox1, Qt::Key_Down);
    EXPECT_EQ(form->FileListBox1->currentRow(), 1);
    EXPECT_EQ(form->ShownIndex, -1);

    form->ShownIndex = 2;
    panel->RereadFileList();
    EXPECT_EQ(form->ShownIndex, -1);
}

TEST_F(FolderPanelTest, RereadListsNewFilesAndKeepsNothingSelected) {
    MakeFiles(temp.path(), {"a.jpg"});
    OpenOn(temp.path(), temp.path());
    form->FileListBox1->selectAll();
    MakeFiles(temp.path(), {"b.jpg"});
    panel->RereadFileList();
    EXPECT_EQ(Texts(*form->FileListBox1), (Names{"a.jpg", "b.jpg"}));
    EXPECT_TRUE(form->FileListBox1->selectedItems().isEmpty());
}

TEST_F(FolderPanelTest, SettingAFolderThatCannotBeEnteredChangesNothingAndSaysNothing) {
    const std::string folder = temp.MakeFolder("a");
    MakeFiles(temp.path(), {"file"});
    OpenOn(folder, folder);
    for (const std::string& bad :
         {temp.Join("missing"), temp.Join("file"), std::string("a"), std::string()}) {
        EXPECT_FALSE(panel->SetSourceFolder(bad)) << bad;
        EXPECT_FALSE(panel->SetDestinationFolder(bad)) << bad;
    }
    EXPECT_EQ(panel->SourceFolder(), folder);
    EXPECT_EQ(panel->DestinationFolder(), folder);
    EXPECT_TRUE(panel->SetSourceFolder(folder + "/"));
    EXPECT_EQ(panel->SourceFolder(), folder);
    EXPECT_TRUE(boxes.texts.empty());
}

struct NewFolderCase {
    const char* name;
    const char* destination;  // under the temporary folder; "/" for the root
    const char* typed;        // Edit1's text; "@" stands for the temporary folder without its "/"
    const char* created;      // the new destination under the temporary folder; "" when refused
    friend void PrintTo(const NewFolderCase& c, std::ostream* os) { *os << c.name; }
};

class NewFolderTest : public FolderPanelTest, public testing::WithParamInterface<NewFolderCase> {};

TEST_P(NewFolderTest, CreatesTheFolderOrRefuses) {
    const NewFolderCase& c = GetParam();
    temp.MakeFolder("dest/old");
    const std::string destination =
        std::string(c.destination) == "/" ? "/" : temp.Join(c.destination);
    OpenOn(temp.path(), destination);
    std::string typed = c.typed;
    if (const auto at = typed.find('@'); at != std::string::npos) {
        typed.replace(at, 1, temp.path().substr(1));
    }
    CreateFolder(typed);

    EXPECT_EQ(form->Edit1->text().toStdString(), typed);
    if (std::string(c.created).empty()) {
        EXPECT_EQ(boxes.texts, Names{texts::kCannotMakeFolder});
        EXPECT_EQ(panel->DestinationFolder(), destination);
        EXPECT_TRUE(form->CheckBox2->isChecked());
        EXPECT_TRUE(form->Edit1->isEnabled());
        EXPECT_TRUE(form->Button4->isEnabled());
    } else {
        EXPECT_TRUE(boxes.texts.empty());
        EXPECT_EQ(panel->DestinationFolder(), temp.Join(c.created));
        EXPECT_TRUE(std::filesystem::is_directory(temp.Join(c.created)));
        EXPECT_EQ(form->DirectoryListBox1->currentItem()->text().toStdString(),
                  std::filesystem::path(c.created).filename().string());
        EXPECT_FALSE(form->CheckBox2->isChecked());
        EXPECT_FALSE(form->Edit1->isEnabled());
        EXPECT_FALSE(form->Button4->isEnabled());
    }
    EXPECT_EQ(panel->SourceFolder(), temp.path());
}

INSTANTIATE_TEST_SUITE_P(Button4, NewFolderTest,
                         testing::Values(NewFolderCase{"NewName", "dest", "new", "dest/new"},
                                         NewFolderCase{"JapaneseNameWithSpaces", "dest", " 新しい ",
                                                       "dest/ 新しい "},
                                         NewFolderCase{"AtTheRootWithoutDoubledSeparator", "/",
                                                       "@/dest/new", "dest/new"},
                                         NewFolderCase{"ExistingName", "dest", "old", ""},
                                         NewFolderCase{"ExistingNameAtTheRoot", "/", "tmp", ""},
                                         NewFolderCase{"EmptyName", "dest", "", ""},
                                         NewFolderCase{"MissingParent", "dest", "none/new", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FolderPanelTest, EnterInEdit1CreatesTheFolderAndNothingElseSeesTheKey) {
    const std::string destination = temp.MakeFolder("dest");
    OpenOn(temp.path(), destination);
    form->CheckBox2->setChecked(true);
    EXPECT_TRUE(form->Edit1->isEnabled());
    EXPECT_TRUE(form->Button4->isEnabled());
    form->Edit1->setText(QStringLiteral("new"));
    QSignalSpy returnPressed(form->Edit1, &QLineEdit::returnPressed);
    QTest::keyClick(form->Edit1, Qt::Key_Return);
    EXPECT_EQ(panel->DestinationFolder(), destination + "/new");
    EXPECT_EQ(returnPressed.count(), 0);
    EXPECT_FALSE(form->CheckBox2->isChecked());
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(FolderPanelTest, NewFolderWhileBothPairsShareTheFolderShowsInTheSourceList) {
    MakeFiles(temp.path(), {"a.jpg"});
    OpenOn(temp.path(), temp.path());
    form->ShownIndex = 0;
    CreateFolder("new");
    EXPECT_EQ(panel->DestinationFolder(), temp.Join("new"));
    EXPECT_EQ(panel->SourceFolder(), temp.path());
    EXPECT_EQ(SubFolderTexts(*form->DirectoryListBox2), Names{"new"});
    EXPECT_EQ(Texts(*form->FileListBox1), Names{"a.jpg"});
    EXPECT_EQ(form->ShownIndex, -1);
}

TEST_F(FolderPanelTest, SwapExchangesFoldersAndDrives) {
    MountDisk();
    const std::string onDisk = temp.MakeFolder("disk/in");
    MakeFiles(onDisk, {"card.jpg"});
    const std::string local = temp.MakeFolder("local");
    MakeFiles(local, {"local.jpg"});
    OpenOn(onDisk, local);
    const std::string diskRoot = temp.Join("disk");
    const std::string localRoot = panel->DestinationDrive();
    ASSERT_EQ(panel->SourceDrive(), diskRoot);
    form->ShownIndex = 0;

    form->Button16->click();
    EXPECT_EQ(panel->SourceFolder(), local);
    EXPECT_EQ(panel->DestinationFolder(), onDisk);
    EXPECT_EQ(panel->SourceDrive(), localRoot);
    EXPECT_EQ(panel->DestinationDrive(), diskRoot);
    EXPECT_EQ(form->DriveComboBox1->currentText().toStdString(), diskRoot);
    EXPECT_EQ(Texts(*form->FileListBox1), Names{"local.jpg"});
    EXPECT_EQ(form->ShownIndex, -1);
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(FolderPanelTest, SwapOfEqualFoldersChangesNothing) {
    MakeFiles(temp.path(), {"a.jpg"});
    OpenOn(temp.path(), temp.path());
    form->Button16->click();
    EXPECT_EQ(panel->SourceFolder(), temp.path());
    EXPECT_EQ(panel->DestinationFolder(), temp.path());
    EXPECT_EQ(Texts(*form->FileListBox1), Names{"a.jpg"});
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(FolderPanelTest, DriveChangeGoesToTheVolumesKeptFolder) {
    MountDisk();
    const std::string onDisk = temp.MakeFolder("disk/in");
    MakeFiles(onDisk, {"card.jpg"});
    const std::string local = temp.MakeFolder("local");
    OpenOn(local, local);
    const std::string localRoot = panel->SourceDrive();
    const std::string diskRoot = temp.Join("disk");
    ASSERT_GE(form->DriveComboBox2->findText(QString::fromStdString(diskRoot)), 0);
    ASSERT_GE(form->DriveComboBox2->findText(QStringLiteral("/")), 0);

    // A volume not visited yet opens at its root.
    EXPECT_TRUE(panel->SetSourceDrive(diskRoot));
    EXPECT_EQ(panel->SourceFolder(), diskRoot);
    EXPECT_EQ(SubFolderTexts(*form->DirectoryListBox2), Names{"in"});
    // Each volume keeps its folder, for both pairs.
    ASSERT_TRUE(panel->SetSourceFolder(onDisk));
    EXPECT_TRUE(panel->SetSourceDrive(localRoot));
    EXPECT_EQ(panel->SourceFolder(), local);
    form->DriveComboBox1->setCurrentIndex(
        form->DriveComboBox1->findText(QString::fromStdString(diskRoot)));
    EXPECT_EQ(panel->DestinationFolder(), onDisk);
    // A kept folder that has gone gives way to its nearest parent on the volume.
    const std::string deeper = temp.MakeFolder("disk/in/deeper");
    ASSERT_TRUE(panel->SetSourceFolder(deeper));
    ASSERT_TRUE(panel->SetSourceDrive(localRoot));
    std::filesystem::remove(deeper);
    EXPECT_TRUE(panel->SetSourceDrive(diskRoot));
    EXPECT_EQ(panel->SourceFolder(), onDisk);
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(FolderPanelTest, DriveBoxListsAVolumeMountedAfterStartWhenItIsUsed) {
    Open();
    const QString root = QString::fromStdString(temp.Join("disk"));
    EXPECT_LT(form->DriveComboBox1->findText(root), 0);
    MountDisk();
    QTest::keyClick(form->DriveComboBox1, Qt::Key_Shift);
    EXPECT_GE(form->DriveComboBox1->findText(root), 0);
    EXPECT_GE(form->DriveComboBox2->findText(root), 0);
    EXPECT_GE(form->DriveComboBox1->findText(QStringLiteral("/")), 0);
}

TEST_F(FolderPanelTest, PickingTheCurrentDriveChangesNothing) {
    MakeFiles(temp.path(), {"a.jpg"});
    OpenOn(temp.path(), temp.path());
    form->FileListBox1->selectAll();
    form->ShownIndex = 0;
    EXPECT_TRUE(panel->SetSourceDrive(panel->SourceDrive()));
    EXPECT_EQ(panel->SourceFolder(), temp.path());
    EXPECT_EQ(form->FileListBox1->selectedItems().size(), 1);
    EXPECT_EQ(form->ShownIndex, 0);
}

struct InaccessibleCase {
    const char* name;
    bool unmount;  // else the volume's root loses every permission bit
    bool source;
    friend void PrintTo(const InaccessibleCase& c, std::ostream* os) { *os << c.name; }
};

class InaccessibleDriveTest : public FolderPanelTest,
                              public testing::WithParamInterface<InaccessibleCase> {};

TEST_P(InaccessibleDriveTest, ShowsTheMessageOnceAndKeepsThePair) {
    const InaccessibleCase& c = GetParam();
    MountDisk();
    // Only the volume itself is closed to the user, not the way to it.
    ASSERT_EQ(::chmod(temp.path().c_str(), 0755), 0);
    const std::string diskRoot = disk->path();
    const std::string local = temp.MakeFolder("local");
    MakeFiles(local, {"a.jpg"});
    OpenOn(local, local);
    const std::string localRoot = panel->SourceDrive();
    QComboBox& drives = c.source ? *form->DriveComboBox2 : *form->DriveComboBox1;
    const int diskIndex = drives.findText(QString::fromStdString(diskRoot));
    ASSERT_GE(diskIndex, 0);
    if (c.unmount) {
        ASSERT_EQ(::umount2(diskRoot.c_str(), MNT_DETACH), 0);
    } else {
        ASSERT_EQ(::chmod(diskRoot.c_str(), 0), 0);
    }
    form->FileListBox1->selectAll();
    {
        const WithoutRootRights unprivileged;
        drives.setCurrentIndex(diskIndex);
    }
    EXPECT_EQ(boxes.texts, Names{texts::kDriveInaccessible});
    EXPECT_EQ(drives.currentText().toStdString(), localRoot);
    EXPECT_EQ(panel->SourceFolder(), local);
    EXPECT_EQ(panel->DestinationFolder(), local);
    EXPECT_EQ(form->FileListBox1->selectedItems().size(), 1);
    if (!c.unmount) ::chmod(diskRoot.c_str(), 0755);
}

INSTANTIATE_TEST_SUITE_P(DriveBoxes, InaccessibleDriveTest,
                         testing::Values(InaccessibleCase{"UnmountedInTheSourceBox", true, true},
                                         InaccessibleCase{"UnmountedInTheDestinationBox", true,
                                                          false},
                                         InaccessibleCase{"UnreadableInTheSourceBox", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FolderPanelTest, SettingADriveThatIsNotMountedShowsTheMessage) {
    OpenOn(temp.path(), temp.path());
    EXPECT_FALSE(panel->SetDestinationDrive(temp.Join("nowhere")));
    EXPECT_EQ(boxes.texts, Names{texts::kDriveInaccessible});
    EXPECT_EQ(panel->DestinationFolder(), temp.path());
}

TEST_F(FolderPanelTest, ReadingAVanishedSourceFolderSaysSoAndShowsTheNearestParent) {
    const std::string gone = temp.MakeFolder("a/b");
    MakeFiles(gone, {"gone.jpg"});
    MakeFiles(temp.path(), {"top.jpg"});
    for (const bool byMaskSwitch : {false, true}) {
        SCOPED_TRACE(byMaskSwitch ? "mask switch" : "re-read");
        OpenOn(gone, temp.path());
        std::filesystem::remove_all(temp.Join("a"));
        if (byMaskSwitch) {
            form->CheckBox4->setChecked(true);
        } else {
            panel->RereadFileList();
        }
        EXPECT_EQ(boxes.texts, Names{FolderMessage(texts::kFolderNotFound, gone)});
        EXPECT_EQ(panel->SourceFolder(), temp.path());
        EXPECT_EQ(Texts(*form->FileListBox1), Names{"top.jpg"});
        boxes.texts.clear();
        temp.MakeFolder("a/b");
    }
}

TEST_F(FolderPanelTest, EnteringAFolderThatCannotBeReadSaysSoAndStays) {
    const std::string start = temp.MakeFolder("a");
    const std::string gone = temp.MakeFolder("a/gone");
    const std::string locked = temp.MakeFolder("a/locked");
    MakeFiles(start, {"a.jpg"});
    ASSERT_EQ(::chmod(temp.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
    OpenOn(start, start);
    std::filesystem::remove(gone);

    Activate(*form->DirectoryListBox2, "gone");
    {
        const WithoutRootRights unprivileged;
        Activate(*form->DirectoryListBox1, "locked");
    }
    ASSERT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(boxes.texts[0], FolderMessage(texts::kFolderNotFound, gone));
    EXPECT_EQ(boxes.texts[1], QString::fromUtf8(texts::kFolderUnreadable)
                                  .arg(QString::fromStdString(locked), "Permission denied")
                                  .toStdString());
    EXPECT_EQ(panel->SourceFolder(), start);
    EXPECT_EQ(panel->DestinationFolder(), start);
    EXPECT_EQ(SubFolderTexts(*form->DirectoryListBox2), Names{"locked"});
    EXPECT_EQ(Texts(*form->FileListBox1), Names{"a.jpg"});
}

}  // namespace
}  // namespace kadoro
