// The main window: its controls, named as the design names them, and its own fields.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

#include <functional>
#include <string>

namespace kadoro {

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The exit path of SpeedButton1 and Button1: runs BeforeExit, then closes the window.
    void SpeedButton1Click();
    void Button1Click();

    // Work the exit path does before the window closes (the viewer shutdown and the settings
    // save); returning false keeps the window open. Unset, the window simply closes.
    std::function<bool()> BeforeExit;

    // Source group "画像ﾌｧｲﾙ ﾌｫﾙﾀﾞ".
    QGroupBox* GroupBox2 = nullptr;
    QComboBox* DriveComboBox2 = nullptr;
    QListWidget* DirectoryListBox2 = nullptr;
    QListWidget* FileListBox1 = nullptr;  // multi-selection
    QPushButton* Button3 = nullptr;       // "全選択"
    QCheckBox* CheckBox4 = nullptr;
    QPushButton* Button17 = nullptr;  // "全解除"

    // Destination group "保存ﾌｫﾙﾀﾞ選択".
    QGroupBox* GroupBox1 = nullptr;
    QComboBox* DriveComboBox1 = nullptr;
    QListWidget* DirectoryListBox1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button4 = nullptr;   // "作成"
    QCheckBox* CheckBox2 = nullptr;   // "新ﾌｫﾙﾀﾞ作成"
    QPushButton* Button16 = nullptr;  // "ﾃﾞｨﾚｸﾄﾘ入替"
    QCheckBox* CheckBox5 = nullptr;   // "現状態保存"

    // On the window itself.
    QPushButton* Button2 = nullptr;   // "変更開始"
    QCheckBox* CheckBox1 = nullptr;   // "元ﾌｧｲﾙ削除"
    QPushButton* Button1 = nullptr;   // "終了"
    QComboBox* ComboBox1 = nullptr;   // the naming schemes
    QListWidget* ListBox1 = nullptr;  // the log

    // Viewer group "LUMOｺﾝﾄﾛｰﾗｰ".
    QGroupBox* GroupBox3 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton7 = nullptr;
    QToolButton* SpeedButton8 = nullptr;
    QToolButton* SpeedButton9 = nullptr;
    QToolButton* SpeedButton10 = nullptr;
    QToolButton* SpeedButton11 = nullptr;
    QToolButton* SpeedButton12 = nullptr;
    QToolButton* SpeedButton13 = nullptr;
    QToolButton* SpeedButton14 = nullptr;
    QToolButton* SpeedButton15 = nullptr;
    QToolButton* SpeedButton16 = nullptr;
    QToolButton* SpeedButton17 = nullptr;
    QLabel* Label1 = nullptr;        // "拡大率"
    QComboBox* ComboBox2 = nullptr;  // zoom
    QLabel* Label2 = nullptr;        // "1/1"

    // Fields.
    std::string LastExt;
    int ZoomPercent = 100;
    int ShownIndex = -1;  // -1 unset, -2 restart at the first entry
    bool ViewerPlaced = false;
    bool BrowseMode = false;

private:
    void CreateControls();
    void CreateViewerGroup();
    void SetTabOrder();
};

}  // namespace kadoro
