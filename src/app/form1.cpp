// The main window's controls at their places, with their captions, hints, start states and names.
#include "app/form1.h"

#include <QStyle>

#include <string>

#include "app/compact_combo_style.h"
#include "app/fonts.h"
#include "app/log_line_delegate.h"
#include "convert/naming.h"

// The icons live in this static library; an unreferenced resource object would be dropped by the
// linker, so the window registers it itself.
static void InitIconResources() {
    Q_INIT_RESOURCE(icons);
}

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

void SetHint(QWidget* control, const char* hint) {
    control->setToolTip(QString::fromUtf8(hint));
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    InitIconResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8("Kadoro for Windows 1.2.0 ﾃﾞｼﾞｶﾒ画像ﾌｧｲﾙ整理 by Nuvo"));
    setFont(WindowFont());
    setFixedSize(671, 446);
    move(192, 107);
    CreateControls();
    CreateViewerGroup();
    SetTabOrder();
}

void TForm1::SpeedButton1Click() {
    if (BeforeExit && !BeforeExit()) return;
    close();
}

void TForm1::Button1Click() {
    SpeedButton1Click();
}

TForm1::~TForm1() {
    // Helpers that attached themselves to the window (the folder panel) go before the controls
    // they watch, so that none of them hears from a control that is half destroyed. Styles stay:
    // the controls that use them need them to the end.
    for (QObject* child : findChildren<QObject*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWidgetType() && qobject_cast<QStyle*>(child) == nullptr) delete child;
    }
}

void TForm1::CreateControls() {
    GroupBox2 = PlaceGroup(this, "GroupBox2", "画像ﾌｧｲﾙ ﾌｫﾙﾀﾞ", 8, 8, 289, 385);
    DriveComboBox2 = Place<QComboBox>(GroupBox2, "DriveComboBox2", 8, 16, 273, 18);
    DirectoryListBox2 = Place<QListWidget>(GroupBox2, "DirectoryListBox2", 8, 40, 273, 105);
    FileListBox1 = Place<QListWidget>(GroupBox2, "FileListBox1", 8, 152, 273, 185);
    FileListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Button3 = PlaceWithText<QPushButton>(GroupBox2, "Button3", "全選択", 224, 340, 59, 19);
    SetHint(Button3, "画像ﾌｧｲﾙをすべて選択します");
    CheckBox4 = PlaceWithText<QCheckBox>(GroupBox2, "CheckBox4", "LUMOのｻﾎﾟｰﾄするﾌｧｲﾙを表示する",
                                         16, 360, 193, 17);
    SetHint(CheckBox4, "JPG,J6I以外の画像を表示するときチェックします。");
    CheckBox4->setEnabled(false);
    Button17 = PlaceWithText<QPushButton>(GroupBox2, "Button17", "全解除", 224, 363, 59, 19);

    GroupBox1 = PlaceGroup(this, "GroupBox1", "保存ﾌｫﾙﾀﾞ選択", 304, 8, 353, 177);
    DriveComboBox1 = Place<QComboBox>(GroupBox1, "DriveComboBox1", 8, 16, 241, 18);
    DirectoryListBox1 = Place<QListWidget>(GroupBox1, "DirectoryListBox1", 8, 40, 241, 105);
    Edit1 = Place<QLineEdit>(GroupBox1, "Edit1", 8, 152, 241, 20);
    SetHint(Edit1, "新規に作成するﾌｫﾙﾀﾞ名を入力します");
    Edit1->setEnabled(false);
    Button4 = PlaceWithText<QPushButton>(GroupBox1, "Button4", "作成", 256, 152, 89, 20);
    SetHint(Button4, "ﾌｫﾙﾀﾞを作成します");
    Button4->setEnabled(false);
    CheckBox2 = PlaceWithText<QCheckBox>(GroupBox1, "CheckBox2", "新ﾌｫﾙﾀﾞ作成", 256, 134, 94, 17);
    SetHint(CheckBox2, "保存ﾌｫﾙﾀﾞに新たにﾌｫﾙﾀﾞｰを作成します");
    Button16 = PlaceWithText<QPushButton>(GroupBox1, "Button16", "ﾃﾞｨﾚｸﾄﾘ入替", 256, 112, 89, 20);
    SetHint(Button16, "画像ﾌｫﾙﾄﾀﾞと保存ﾌｫﾙﾀﾞを入れ替えます");
    CheckBox5 = PlaceWithText<QCheckBox>(GroupBox1, "CheckBox5", "現状態保存", 256, 85, 93, 17);

    Button2 = PlaceWithText<QPushButton>(this, "Button2", "変更開始", 560, 24, 89, 25);
    SetHint(Button2, "ﾃﾞｼﾞｶﾒの画像情報に従って、ﾌｧｲﾙ名変更を開始します");
    CheckBox1 = PlaceWithText<QCheckBox>(this, "CheckBox1", "元ﾌｧｲﾙ削除", 560, 52, 93, 17);
    SetHint(CheckBox1, "ﾌｧｲﾙ名変更の時に、元のﾌｧｲﾙを削除する時ﾁｪｯｸします。");
    Button1 = PlaceWithText<QPushButton>(this, "Button1", "終了", 560, 72, 89, 20);
    SetHint(Button1, "終了します");
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    ComboBox1 = Place<QComboBox>(this, "ComboBox1", 304, 192, 353, 20);
    SetHint(ComboBox1, "画像ﾌｧｲﾙ名の変換形式を選択します");
    for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
        ComboBox1->addItem(QString::fromUtf8(std::string(SchemeItemText(scheme)).c_str()));
    }
    ComboBox1->setCurrentIndex(0);
    ListBox1 = Place<QListWidget>(this, "ListBox1", 304, 216, 353, 177);
    ListBox1->setFocusPolicy(Qt::NoFocus);
    ListBox1->setFont(LogFont());
    ListBox1->setUniformItemSizes(true);
    ListBox1->setItemDelegate(new LogLineDelegate(kLogLineHeight, ListBox1));
}

void TForm1::CreateViewerGroup() {
    GroupBox3 = PlaceGroup(this, "GroupBox3", "LUMOｺﾝﾄﾛｰﾗｰ", 8, 394, 649, 49);
    struct FlatButton {
        QToolButton** field;
        const char* name;
        int left, top;
        const char* hint;
        const char* icon;
        bool enabled;
    };
    const FlatButton flatButtons[] = {
        {&SpeedButton1, "SpeedButton1", 8, 16, "終了", "exit", true},
        {&SpeedButton16, "SpeedButton16", 40, 16, "LUMOを使用する", "viewer_on", true},
        {&SpeedButton17, "SpeedButton17", 64, 16, "LUMO終了", "viewer_off", false},
        {&SpeedButton15, "SpeedButton15", 96, 16, "画像閲覧モード", "browse", false},
        {&SpeedButton2, "SpeedButton2", 136, 15, "縮小表示", "zoom_out", false},
        {&SpeedButton3, "SpeedButton3", 160, 15, "等倍表示", "zoom_actual", false},
        {&SpeedButton4, "SpeedButton4", 184, 15, "拡大表示", "zoom_in", false},
        {&SpeedButton5, "SpeedButton5", 360, 15, "左回転", "rotate_left", false},
        {&SpeedButton6, "SpeedButton6", 384, 15, "右回転", "rotate_right", false},
        {&SpeedButton8, "SpeedButton8", 416, 15, "先頭に戻る", "first", false},
        {&SpeedButton7, "SpeedButton7", 448, 15, "前の画像", "previous", false},
        {&SpeedButton9, "SpeedButton9", 472, 15, "次の画像", "next", false},
        {&SpeedButton10, "SpeedButton10", 504, 15, "最後に行く", "last", false},
        {&SpeedButton11, "SpeedButton11", 536, 15, "ファィル・マーク", "mark", false},
        {&SpeedButton12, "SpeedButton12", 560, 15, "コピー", "copy", true},
        {&SpeedButton13, "SpeedButton13", 584, 15, "移動", "move", true},
        {&SpeedButton14, "SpeedButton14", 616, 15, "削除", "delete", true},
    };
    for (const FlatButton& flat : flatButtons) {
        QToolButton* button = Place<QToolButton>(GroupBox3, flat.name, flat.left, flat.top, 25, 25);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIconSize(QSize(16, 16));
        button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(flat.icon))));
        SetHint(button, flat.hint);
        button->setEnabled(flat.enabled);
        *flat.field = button;
    }
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);

    Label1 = PlaceWithText<QLabel>(GroupBox3, "Label1", "拡大率", 212, 24, 40, 13);
    Label1->setEnabled(false);
    ComboBox2 = Place<QComboBox>(GroupBox3, "ComboBox2", 253, 18, 54, 20);
    ComboBox2->setEditable(true);
    // The style outlives the combo box: both belong to the window, the combo box's group first.
    ComboBox2->setStyle(new CompactComboStyle(12, this));
    for (int percent = 10; percent <= 200; percent += 10) {
        ComboBox2->addItem(QStringLiteral("%1%").arg(percent));
    }
    ComboBox2->addItem(QStringLiteral("300%"));
    ComboBox2->addItem(QStringLiteral("400%"));
    ComboBox2->setCurrentIndex(9);  // "100%"
    ComboBox2->setEnabled(false);
    Label2 = PlaceWithText<QLabel>(GroupBox3, "Label2", "1/1", 312, 24, 41, 13);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setEnabled(false);
}

// Tab moves through the groups in the design's order; the log and the flat buttons take no focus.
void TForm1::SetTabOrder() {
    QWidget* const order[] = {
        DriveComboBox1,    DirectoryListBox1, Edit1,     Button4,   CheckBox2,
        Button16,          CheckBox5,         ListBox1,  Button1,   DriveComboBox2,
        DirectoryListBox2, FileListBox1,      Button3,   CheckBox4, Button17,
        Button2,           ComboBox1,         ComboBox2, CheckBox1,
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

}  // namespace kadoro
