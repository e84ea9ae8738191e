// The main window's controls at their places, with their captions and names.
#include "app/form1.h"

#include <string>

#include "convert/naming.h"

namespace kadoro {
namespace {

template <typename Control>
Control* Place(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    return control;
}

template <typename Control>
Control* PlaceWithText(QWidget* parent, const char* name, const char* text, int left, int top,
                       int width, int height) {
    auto* control = Place<Control>(parent, name, left, top, width, height);
    control->setText(QString::fromUtf8(text));
    return control;
}

QGroupBox* PlaceGroup(QWidget* parent, const char* name, const char* title, int left, int top,
                      int width, int height) {
    auto* group = Place<QGroupBox>(parent, name, left, top, width, height);
    group->setTitle(QString::fromUtf8(title));
    return group;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8("Kadoro for Windows 1.2.0 ﾃﾞｼﾞｶﾒ画像ﾌｧｲﾙ整理 by Nuvo"));
    setFixedSize(671, 446);
    move(192, 107);
    CreateControls();
}

void TForm1::CreateControls() {
    GroupBox2 = PlaceGroup(this, "GroupBox2", "画像ﾌｧｲﾙ ﾌｫﾙﾀﾞ", 8, 8, 289, 385);
    DriveComboBox2 = Place<QComboBox>(GroupBox2, "DriveComboBox2", 8, 16, 273, 18);
    DirectoryListBox2 = Place<QListWidget>(GroupBox2, "DirectoryListBox2", 8, 40, 273, 105);
    FileListBox1 = Place<QListWidget>(GroupBox2, "FileListBox1", 8, 152, 273, 185);
    FileListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Button3 = PlaceWithText<QPushButton>(GroupBox2, "Button3", "全選択", 224, 340, 59, 19);
    CheckBox4 = PlaceWithText<QCheckBox>(GroupBox2, "CheckBox4", "LUMOのｻﾎﾟｰﾄするﾌｧｲﾙを表示する",
                                         16, 360, 193, 17);
    Button17 = PlaceWithText<QPushButton>(GroupBox2, "Button17", "全解除", 224, 363, 59, 19);

    GroupBox1 = PlaceGroup(this, "GroupBox1", "保存ﾌｫﾙﾀﾞ選択", 304, 8, 353, 177);
    DriveComboBox1 = Place<QComboBox>(GroupBox1, "DriveComboBox1", 8, 16, 241, 18);
    DirectoryListBox1 = Place<QListWidget>(GroupBox1, "DirectoryListBox1", 8, 40, 241, 105);
    Edit1 = Place<QLineEdit>(GroupBox1, "Edit1", 8, 152, 241, 20);
    Button4 = PlaceWithText<QPushButton>(GroupBox1, "Button4", "作成", 256, 152, 89, 20);
    CheckBox2 = PlaceWithText<QCheckBox>(GroupBox1, "CheckBox2", "新ﾌｫﾙﾀﾞ作成", 256, 134, 94, 17);
    Button16 = PlaceWithText<QPushButton>(GroupBox1, "Button16", "ﾃﾞｨﾚｸﾄﾘ入替", 256, 112, 89, 20);
    CheckBox5 = PlaceWithText<QCheckBox>(GroupBox1, "CheckBox5", "現状態保存", 256, 85, 93, 17);

    Button2 = PlaceWithText<QPushButton>(this, "Button2", "変更開始", 560, 24, 89, 25);
    CheckBox1 = PlaceWithText<QCheckBox>(this, "CheckBox1", "元ﾌｧｲﾙ削除", 560, 52, 93, 17);
    Button1 = PlaceWithText<QPushButton>(this, "Button1", "終了", 560, 72, 89, 20);
    ComboBox1 = Place<QComboBox>(this, "ComboBox1", 304, 192, 353, 20);
    for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
        ComboBox1->addItem(QString::fromUtf8(std::string(SchemeItemText(scheme)).c_str()));
    }
    ComboBox1->setCurrentIndex(0);
    ListBox1 = Place<QListWidget>(this, "ListBox1", 304, 216, 353, 177);
    ListBox1->setFocusPolicy(Qt::NoFocus);

    GroupBox3 = PlaceGroup(this, "GroupBox3", "LUMOｺﾝﾄﾛｰﾗｰ", 8, 394, 649, 49);
    struct FlatButton {
        QToolButton** field;
        const char* name;
        int left, top;
    };
    const FlatButton flatButtons[] = {
        {&SpeedButton1, "SpeedButton1", 8, 16},     {&SpeedButton16, "SpeedButton16", 40, 16},
        {&SpeedButton17, "SpeedButton17", 64, 16},  {&SpeedButton15, "SpeedButton15", 96, 16},
        {&SpeedButton2, "SpeedButton2", 136, 15},   {&SpeedButton3, "SpeedButton3", 160, 15},
        {&SpeedButton4, "SpeedButton4", 184, 15},   {&SpeedButton5, "SpeedButton5", 360, 15},
        {&SpeedButton6, "SpeedButton6", 384, 15},   {&SpeedButton8, "SpeedButton8", 416, 15},
        {&SpeedButton7, "SpeedButton7", 448, 15},   {&SpeedButton9, "SpeedButton9", 472, 15},
        {&SpeedButton10, "SpeedButton10", 504, 15}, {&SpeedButton11, "SpeedButton11", 536, 15},
        {&SpeedButton12, "SpeedButton12", 560, 15}, {&SpeedButton13, "SpeedButton13", 584, 15},
        {&SpeedButton14, "SpeedButton14", 616, 15},
    };
    for (const FlatButton& button : flatButtons) {
        *button.field = Place<QToolButton>(GroupBox3, button.name, button.left, button.top, 25, 25);
        (*button.field)->setAutoRaise(true);
    }
    Label1 = PlaceWithText<QLabel>(GroupBox3, "Label1", "拡大率", 212, 24, 40, 12);
    ComboBox2 = Place<QComboBox>(GroupBox3, "ComboBox2", 253, 18, 54, 20);
    Label2 = PlaceWithText<QLabel>(GroupBox3, "Label2", "1/1", 312, 24, 41, 12);
    Label2->setAlignment(Qt::AlignHCenter);
}

}  // namespace kadoro
