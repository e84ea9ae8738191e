// A conversion run from the main window on real files: the live log, the closing box, the
// selection buttons, and a stop through the progress dialog.
#include "app/conversion_run.h"

#include <gtest/gtest.h>

#include <QProgressDialog>
#include <QPushButton>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "app/form1.h"
#include "gui/gui_test.h"
#include "gui/message_box_doubles.h"
#include "platform/fault_injection.h"
#include "support/fixture_files.h"
#include "support/j6i_fixture.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

using Lines = std::vector<std::string>;

class ConversionRunTest : public testing::Test {
protected:
    ConversionRunTest()
        : source_(folder_.MakeFolder("card")),
          destination_(folder_.MakeFolder("out")),
          run_(form_, boxes_,
               {[this] { return source_; },
                [this] { return destination_; },
                [this] { ++rereads_; },
                {}}) {
        form_.ComboBox1->setCurrentIndex(8);  // YYMMDD-###
    }

    void AddFiles(int count) {
        for (int i = 1; i <= count; ++i) {
            const std::string name =
                "P" + std::string(7 - std::to_string(i).size(), '0') + std::to_string(i) + ".J6I";
            test::WriteJ6iFile(source_ + "/" + name);
            form_.FileListBox1->addItem(QString::fromStdString(name));
        }
    }

    Lines LogLines() const {
        Lines lines;
        for (int row = 0; row < form_.ListBox1->count(); ++row) {
            lines.push_back(form_.ListBox1->item(row)->text().toStdString());
        }
        return lines;
    }

    bool RunEnds() {
        return ProcessEventsUntil([this] { return !boxes_.texts.empty(); });
    }

    test::TempFolder folder_;
    std::string source_;
    std::string destination_;
    TForm1 form_;
    RecordingMessageBoxes boxes_;
    int rereads_ = 0;
    ConversionRun run_;
};

TEST_F(ConversionRunTest, SelectedFilesConvertWithTheLogInOrderAndTheClosingBox) {
    AddFiles(3);
    form_.ListBox1->addItem(QStringLiteral("a line from an earlier report"));
    form_.FileListBox1->item(0)->setSelected(true);
    form_.FileListBox1->item(2)->setSelected(true);

    form_.Button2->click();
    EXPECT_FALSE(form_.Button2->isEnabled()) << "no second run while one goes";
    ASSERT_TRUE(RunEnds());

    EXPECT_EQ(LogLines(), (Lines{"P0000001.J6I", "旧名[P0000001.J6I]", "新名[971123-001.j6i]",
                                 "P0000003.J6I", "旧名[P0000003.J6I]", "新名[971123-003.j6i]"}));
    EXPECT_EQ(boxes_.texts, Lines{"変換終了しました."});
    EXPECT_EQ(test::FolderEntries(destination_), (Lines{"971123-001.j6i", "971123-003.j6i"}));
    EXPECT_EQ(rereads_, 0) << "sources kept, other folder: the list stays";
    EXPECT_TRUE(form_.Button2->isEnabled());
    EXPECT_EQ(form_.LastExt, ".J6I");
}

TEST_F(ConversionRunTest, SelectAllThenClearAllConvertsNothingAndStillCloses) {
    AddFiles(2);
    form_.Button3->click();
    EXPECT_EQ(form_.FileListBox1->selectedItems().size(), 2);
    form_.Button17->click();
    EXPECT_TRUE(form_.FileListBox1->selectedItems().isEmpty());

    form_.CheckBox1->setChecked(true);
    form_.Button2->click();
    ASSERT_TRUE(RunEnds());
    EXPECT_TRUE(LogLines().empty());
    EXPECT_EQ(boxes_.texts, Lines{"変換終了しました."});
    EXPECT_EQ(rereads_, 1) << "with the delete switch on, the list is re-read";
}

TEST_F(ConversionRunTest, CancelInTheProgressDialogStopsAfterTheFileAtHand) {
    AddFiles(6);
    form_.CheckBox1->setChecked(true);
    form_.Button3->click();
    // The third file's copy waits until the dialog has been cancelled: the run is then slow
    // enough for the dialog to show, and the stop comes while that file is at hand.
    std::atomic<bool> cancelled{false};
    const ScopedFaultInjection faults({.afterCopyPiece =
                                           [&cancelled](const std::string& path) {
                                               if (!path.ends_with("P0000003.J6I")) return;
                                               for (int i = 0; i < 1000 && !cancelled; ++i)
                                                   std::this_thread::sleep_for(
                                                       std::chrono::milliseconds(10));
                                           },
                                       .flushError = {}});

    form_.Button2->click();
    QProgressDialog* dialog = nullptr;
    ASSERT_TRUE(ProcessEventsUntil([&] {
        dialog = form_.findChild<QProgressDialog*>(QStringLiteral("ConversionProgress"));
        return dialog != nullptr && dialog->isVisible();
    }));
    EXPECT_TRUE(dialog->isModal());
    // The log shows the files committed so far while the run still goes.
    EXPECT_TRUE(ProcessEventsUntil([this] {
        const Lines lines = LogLines();
        return std::find(lines.begin(), lines.end(), "新名[971123-001.j6i]") != lines.end();
    }));
    auto* cancel = dialog->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text().toStdString(), "ｷｬﾝｾﾙ");
    cancel->click();
    cancelled = true;
    ASSERT_TRUE(RunEnds());

    EXPECT_EQ(boxes_.texts, Lines{"変換終了しました."});
    // Every file is whole: converted and its source gone, or untouched.
    EXPECT_EQ(test::FolderEntries(destination_),
              (Lines{"971123-001.j6i", "971123-002.j6i", "971123-003.j6i"}));
    EXPECT_EQ(test::FolderEntries(source_),
              (Lines{"P0000004.J6I", "P0000005.J6I", "P0000006.J6I"}));
    for (const std::string& name : test::FolderEntries(destination_)) {
        EXPECT_EQ(test::ReadFileBytes(destination_ + "/" + name), test::MakeJ6iBytes());
    }
    EXPECT_EQ(LogLines().back(), "削除[" + source_ + "/P0000003.J6I]");
    EXPECT_EQ(rereads_, 1);
}

}  // namespace
}  // namespace kadoro
