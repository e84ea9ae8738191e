// The main window as built: layout, captions, hints, start states, tab order, fonts, the exit path
// and the error display, driven by objectName on the offscreen platform.
#include "app/form1.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/fonts.h"
#include "app/form2.h"
#include "common/system_texts.h"
#include "gui/gui_test.h"
#include "gui/message_box_doubles.h"

namespace kadoro {
namespace {

class Form1Test : public GuiTest {};

QWidget* Control(TForm1& form, const char* name) {
    auto* control = form.findChild<QWidget*>(QString::fromLatin1(name));
    if (control == nullptr) ADD_FAILURE() << "no control " << name;
    return control;
}

QString CaptionOf(QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(control)) return group->title();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    return {};
}

TEST_F(Form1Test, EveryControlIsFoundByItsName) {
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

TEST_F(Form1Test, WindowIsFixedInSizeAndPlace) {
    TForm1 form;
    EXPECT_EQ(form.minimumSize(), QSize(671, 446));
    EXPECT_EQ(form.maximumSize(), QSize(671, 446));
    EXPECT_EQ(form.pos(), QPoint(192, 107));
    EXPECT_EQ(form.windowTitle(),
              QString::fromUtf8("Kadoro for Windows 1.2.0 ﾃﾞｼﾞｶﾒ画像ﾌｧｲﾙ整理 by Nuvo"));
}

struct Placement {
    const char* name;
    QRect rect;
};

TEST_F(Form1Test, ControlsSitWhereTheLayoutPutsThem) {
    const Placement placements[] = {
        {"GroupBox2", {8, 8, 289, 385}},          {"DriveComboBox2", {8, 16, 273, 18}},
        {"FileListBox1", {8, 152, 273, 185}},     {"CheckBox4", {16, 360, 193, 17}},
        {"Button17", {224, 363, 59, 19}},         {"GroupBox1", {304, 8, 353, 177}},
        {"DirectoryListBox1", {8, 40, 241, 105}}, {"Edit1", {8, 152, 241, 20}},
        {"Button4", {256, 152, 89, 20}},          {"CheckBox5", {256, 85, 93, 17}},
        {"Button2", {560, 24, 89, 25}},           {"Button1", {560, 72, 89, 20}},
        {"ComboBox1", {304, 192, 353, 20}},       {"ListBox1", {304, 216, 353, 177}},
        {"GroupBox3", {8, 394, 649, 49}},         {"SpeedButton1", {8, 16, 25, 25}},
        {"SpeedButton17", {64, 16, 25, 25}},      {"SpeedButton2", {136, 15, 25, 25}},
        {"SpeedButton8", {416, 15, 25, 25}},      {"SpeedButton7", {448, 15, 25, 25}},
        {"SpeedButton14", {616, 15, 25, 25}},
    };
    TForm1 form;
    for (const Placement& placement : placements) {
        QWidget* control = Control(form, placement.name);
        if (control != nullptr) {
            EXPECT_EQ(control->geometry(), placement.rect) << placement.name;
        }
    }
    EXPECT_EQ(form.ComboBox2->geometry().topLeft(), QPoint(253, 18));
    EXPECT_EQ(form.ComboBox2->width(), 54);
    EXPECT_EQ(form.Label2->geometry().topLeft(), QPoint(312, 24));
    EXPECT_EQ(form.Label2->width(), 41);
    EXPECT_TRUE(form.Label2->alignment() & Qt::AlignHCenter);
}

struct Text {
    const char* name;
    const char* text;
};

TEST_F(Form1Test, CaptionsReadAsDesigned) {
    const Text captions[] = {
        {"GroupBox2", "画像ﾌｧｲﾙ ﾌｫﾙﾀﾞ"},
        {"Button3", "全選択"},
        {"CheckBox4", "LUMOのｻﾎﾟｰﾄするﾌｧｲﾙを表示する"},
        {"Button17", "全解除"},
        {"GroupBox1", "保存ﾌｫﾙﾀﾞ選択"},
        {"Button4", "作成"},
        {"CheckBox2", "新ﾌｫﾙﾀﾞ作成"},
        {"Button16", "ﾃﾞｨﾚｸﾄﾘ入替"},
        {"CheckBox5", "現状態保存"},
        {"Button2", "変更開始"},
        {"CheckBox1", "元ﾌｧｲﾙ削除"},
        {"Button1", "終了"},
        {"GroupBox3", "LUMOｺﾝﾄﾛｰﾗｰ"},
        {"Label1", "拡大率"},
        {"Label2", "1/1"},
        {"SpeedButton1", ""},
        {"SpeedButton12", ""},
    };
    TForm1 form;
    for (const Text& caption : captions) {
        QWidget* control = Control(form, caption.name);
        if (control != nullptr) {
            EXPECT_EQ(CaptionOf(control).toStdString(), caption.text) << caption.name;
        }
    }
}

TEST_F(Form1Test, HintsShowAsTooltips) {
    const Text hints[] = {
        {"Button3", "画像ﾌｧｲﾙをすべて選択します"},
        {"CheckBox4", "JPG,J6I以外の画像を表示するときチェックします。"},
        {"Button17", ""},
        {"Edit1", "新規に作成するﾌｫﾙﾀﾞ名を入力します"},
        {"Button4", "ﾌｫﾙﾀﾞを作成します"},
        {"CheckBox2", "保存ﾌｫﾙﾀﾞに新たにﾌｫﾙﾀﾞｰを作成します"},
        {"Button16", "画像ﾌｫﾙﾄﾀﾞと保存ﾌｫﾙﾀﾞを入れ替えます"},
        {"CheckBox5", ""},
        {"Button2", "ﾃﾞｼﾞｶﾒの画像情報に従って、ﾌｧｲﾙ名変更を開始します"},
        {"CheckBox1", "ﾌｧｲﾙ名変更の時に、元のﾌｧｲﾙを削除する時ﾁｪｯｸします。"},
        {"Button1", "終了します"},
        {"ComboBox1", "画像ﾌｧｲﾙ名の変換形式を選択します"},
        {"ListBox1", ""},
        {"SpeedButton1", "終了"},
        {"SpeedButton16", "LUMOを使用する"},
        {"SpeedButton17", "LUMO終了"},
        {"SpeedButton15", "画像閲覧モード"},
        {"SpeedButton2", "縮小表示"},
        {"SpeedButton3", "等倍表示"},
        {"SpeedButton4", "拡大表示"},
        {"SpeedButton5", "左回転"},
        {"SpeedButton6", "右回転"},
        {"SpeedButton8", "先頭に戻る"},
        {"SpeedButton7", "前の画像"},
        {"SpeedButton9", "次の画像"},
        {"SpeedButton10", "最後に行く"},
        {"SpeedButton11", "ファィル・マーク"},
        {"SpeedButton12", "コピー"},
        {"SpeedButton13", "移動"},
        {"SpeedButton14", "削除"},
    };
    TForm1 form;
    for (const Text& hint : hints) {
        QWidget* control = Control(form, hint.name);
        if (control != nullptr) {
            EXPECT_EQ(control->toolTip().toStdString(), hint.text) << hint.name;
        }
    }
}

TEST_F(Form1Test, StartStates) {
    const std::vector<const char*> disabled = {
        "CheckBox4",    "Edit1",         "Button4",      "SpeedButton17", "SpeedButton15",
        "SpeedButton2", "SpeedButton3",  "SpeedButton4", "Label1",        "ComboBox2",
        "Label2",       "SpeedButton5",  "SpeedButton6", "SpeedButton8",  "SpeedButton7",
        "SpeedButton9", "SpeedButton10", "SpeedButton11"};
    const std::vector<const char*> enabled = {
        "DriveComboBox2", "DirectoryListBox2", "FileListBox1",  "Button3",       "Button17",
        "DriveComboBox1", "DirectoryListBox1", "CheckBox2",     "Button16",      "CheckBox5",
        "Button2",        "CheckBox1",         "Button1",       "ComboBox1",     "ListBox1",
        "SpeedButton1",   "SpeedButton16",     "SpeedButton12", "SpeedButton13", "SpeedButton14"};
    TForm1 form;
    for (const char* name : disabled) {
        if (QWidget* control = Control(form, name)) {
            EXPECT_FALSE(control->isEnabled()) << name;
        }
    }
    for (const char* name : enabled) {
        if (QWidget* control = Control(form, name)) {
            EXPECT_TRUE(control->isEnabled()) << name;
        }
    }
    EXPECT_FALSE(form.CheckBox5->isChecked());
    EXPECT_EQ(form.ComboBox1->currentIndex(), 0);
    EXPECT_FALSE(form.ComboBox1->isEditable());
    EXPECT_EQ(form.FileListBox1->selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST_F(Form1Test, ZoomComboHoldsTheZoomTableAtOneHundredPercent) {
    TForm1 form;
    QStringList expected;
    for (int percent = 10; percent <= 200; percent += 10)
        expected << QStringLiteral("%1%").arg(percent);
    expected << QStringLiteral("300%") << QStringLiteral("400%");
    QStringList entries;
    for (int i = 0; i < form.ComboBox2->count(); ++i)
        entries << form.ComboBox2->itemText(i);
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(form.ComboBox2->currentIndex(), 9);
    EXPECT_EQ(form.ComboBox2->currentText(), QStringLiteral("100%"));
    EXPECT_TRUE(form.ComboBox2->isEditable());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QLineEdit* field = form.ComboBox2->lineEdit();
    EXPECT_GE(field->width(), field->fontMetrics().horizontalAdvance(QStringLiteral("400%")) + 4)
        << "the zoom text is cut off";
    EXPECT_EQ(form.ZoomPercent, 100);
    EXPECT_EQ(form.ShownIndex, -1);
}

QWidget* NamedFocusWidget() {
    QWidget* focus = QApplication::focusWidget();
    // An editable combo box hands its focus to its line edit.
    if (focus != nullptr && focus->objectName().isEmpty()) focus = focus->parentWidget();
    return focus;
}

TEST_F(Form1Test, TabWalksTheGroupsInTheDesignedOrder) {
    TForm1 form;
    // Enabled so that the walk also shows where the controls disabled at start sit.
    for (QWidget* control :
         {static_cast<QWidget*>(form.Edit1), static_cast<QWidget*>(form.Button4),
          static_cast<QWidget*>(form.CheckBox4), static_cast<QWidget*>(form.ComboBox2)}) {
        control->setEnabled(true);
    }
    for (QToolButton* button : form.GroupBox3->findChildren<QToolButton*>())
        button->setEnabled(true);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.DriveComboBox1->setFocus();

    const QStringList expected = {
        "DriveComboBox1", "DirectoryListBox1", "Edit1",     "Button4",        "CheckBox2",
        "Button16",       "CheckBox5",         "Button1",   "DriveComboBox2", "DirectoryListBox2",
        "FileListBox1",   "Button3",           "CheckBox4", "Button17",       "Button2",
        "ComboBox1",      "ComboBox2",         "CheckBox1", "DriveComboBox1"};
    QStringList visited;
    for (int step = 0; step < expected.size(); ++step) {
        QWidget* focus = NamedFocusWidget();
        visited << (focus != nullptr ? focus->objectName() : QStringLiteral("(none)"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(Form1Test, FontsResolveToInstalledJapaneseFaces) {
    TForm1 form;
    const QFontInfo window(form.font());
    EXPECT_EQ(form.font().family(), QString::fromUtf8(kWindowFontFamily));
    EXPECT_TRUE(QFont::substitutes(QString::fromUtf8(kWindowFontFamily))
                    .contains(window.family(), Qt::CaseInsensitive))
        << window.family().toStdString();
    EXPECT_EQ(window.pixelSize(), 12);

    const QFontInfo log(form.ListBox1->font());
    EXPECT_EQ(form.ListBox1->font().family(), QString::fromUtf8(kLogFontFamily));
    EXPECT_TRUE(QFont::substitutes(QString::fromUtf8(kLogFontFamily))
                    .contains(log.family(), Qt::CaseInsensitive))
        << log.family().toStdString();
    EXPECT_EQ(log.pixelSize(), 12);

    // The faces really draw the window's Japanese: kana, kanji and half-width katakana.
    const QString sample = QString::fromUtf8("画像ﾌｧｲﾙ整理ファィル");
    for (const QFont& font : {form.font(), form.ListBox1->font()}) {
        const QFontMetrics metrics(font);
        for (QChar character : sample) {
            EXPECT_TRUE(metrics.inFontUcs4(character.unicode()))
                << QFontInfo(font).family().toStdString() << " lacks U+" << std::hex
                << static_cast<unsigned>(character.unicode());
        }
    }
}

TEST_F(Form1Test, LogLinesAreTwelvePixelsApart) {
    TForm1 form;
    form.ListBox1->addItems({QStringLiteral("P0000012.J6I"),
                             QString::fromUtf8("旧名[P0000012.J6I]"),
                             QString::fromUtf8("新名[1997-11-23 1405 012.j6i]")});
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const int first = form.ListBox1->visualItemRect(form.ListBox1->item(0)).top();
    EXPECT_EQ(form.ListBox1->visualItemRect(form.ListBox1->item(1)).top() - first, 12);
    EXPECT_EQ(form.ListBox1->visualItemRect(form.ListBox1->item(2)).top() - first, 24);
}

TEST_F(Form1Test, ReportColonsLineUpInTheLog) {
    TForm1 form;
    const QFontMetrics metrics(form.ListBox1->font());
    std::vector<int> colonPositions;
    for (const char* line :
         {texts::kReportFileSize, texts::kReportTimeStampLabel, texts::kReportJ6iShotDate,
          texts::kReportDscVersion, texts::kReportHeaderSize, texts::kReportMakerLabel,
          texts::kReportFlashLabel, texts::kReportImageSizeLabel, texts::kReportCameraVersionLabel,
          texts::kReportCameraIdLabel}) {
        const QString text = QString::fromUtf8(line);
        colonPositions.push_back(metrics.horizontalAdvance(text.left(text.indexOf(u':'))));
    }
    for (int position : colonPositions)
        EXPECT_EQ(position, colonPositions.front());
}

TEST_F(Form1Test, FlatButtonsShowTheirOwnIconsAndTakeNoFocus) {
    TForm1 form;
    const QList<QToolButton*> buttons = form.GroupBox3->findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 17);
    std::vector<QImage> images;
    for (QToolButton* button : buttons) {
        const std::string name = button->objectName().toStdString();
        EXPECT_EQ(button->size(), QSize(25, 25)) << name;
        EXPECT_TRUE(button->autoRaise()) << name;
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << name;
        const QImage normal = button->icon().pixmap(16, 16).toImage();
        const QImage greyed = button->icon().pixmap(16, 16, QIcon::Disabled).toImage();
        ASSERT_FALSE(normal.isNull()) << name;
        EXPECT_NE(normal, greyed) << name;
        for (const QImage& other : images)
            EXPECT_NE(normal, other) << name << " repeats an icon";
        images.push_back(normal);
    }
}

TEST_F(Form1Test, ExitButtonsCloseTheWindow) {
    for (const char* name : {"SpeedButton1", "Button1"}) {
        TForm1 form;
        int exits = 0;
        form.BeforeExit = [&exits] {
            ++exits;
            return true;
        };
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(Control(form, name), Qt::LeftButton);
        EXPECT_FALSE(form.isVisible()) << name;
        EXPECT_EQ(exits, 1) << name;
    }
}

TEST_F(Form1Test, ExitStopsWhenTheWorkBeforeItFails) {
    TForm1 form;
    form.BeforeExit = [] { return false; };
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Form1Test, ToolbarWindowStartsHiddenAndStaysOnTop) {
    TForm1 form1;
    TForm2 form2;
    form1.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form1));
    EXPECT_FALSE(form2.isVisible());
    EXPECT_EQ(form2.windowType(), Qt::Tool);
    EXPECT_TRUE(form2.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form2.SlideSeconds, 3);
}

}  // namespace
}  // namespace kadoro
