// The folder panel: the source and destination drive boxes and folder lists, the source file list,
// the new-folder controls and the swap, over the controls of the main window.
#pragma once

#include <QObject>

#include <map>
#include <string>
#include <system_error>
#include <vector>

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace kadoro {

class MessageBoxes;
class TForm1;

class FolderPanel : public QObject {
    Q_OBJECT

public:
    // Connects the controls and puts both pairs on the process's current folder.
    FolderPanel(TForm1& form, MessageBoxes& boxes);

    // Current folders as folder strings (absolute, no trailing separator except "/").
    std::string SourceFolder() const;
    std::string DestinationFolder() const;
    // Roots of the volumes the drive boxes show.
    std::string SourceDrive() const;
    std::string DestinationDrive() const;

    // Picks a drive box's volume as the user would, the inaccessible-drive message included.
    // False when the pair stays on its previous volume.
    bool SetSourceDrive(const std::string& root);
    bool SetDestinationDrive(const std::string& root);
    // Makes folder the pair's current folder (its volume follows). False, with no message and no
    // change, when folder is not absolute or cannot be read.
    bool SetSourceFolder(const std::string& folder);
    bool SetDestinationFolder(const std::string& folder);

    // Lists the source folder again with the same mask; nothing stays selected.
    void RereadFileList();
    // The native file name of FileListBox1's row.
    std::string FileNameAt(int row) const;

    // Handlers of the controls' events.
    void DriveComboBox2Change();
    void DriveComboBox1Change();
    void OnChangeDlb2();
    void FileListBox1OnChange();
    void CheckBox4Click();
    void CheckBox2Click();
    void Button4Click();
    void Button16Click();

protected:
    // OnKeyDown of Edit1, and the drive lists brought up to date before a drive box opens.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Pair {
        QComboBox* drives;
        QListWidget* folders;
        std::string folder;
        std::string root;  // the volume of folder
        bool isSource;
    };
    struct FolderContents {
        std::vector<std::string> subFolders;
        std::vector<std::string> files;
        std::error_code error;
    };

    void ChangeDrive(Pair& pair);
    bool SetDrive(Pair& pair, const std::string& root);
    bool SetFolder(Pair& pair, const std::string& folder);
    void ActivateFolderItem(Pair& pair, QListWidgetItem* item);

    FolderContents ReadFolder(const Pair& pair, const std::string& folder) const;
    std::error_code EnterFolder(Pair& pair, const std::string& folder);
    void Show(Pair& pair, const std::string& folder, const FolderContents& contents);
    // After a failure: the pair's folder again if it can be read, else its nearest readable parent.
    void Recover(Pair& pair, const std::string& from);
    void InformFolderError(const std::string& folder, std::error_code error);

    std::string SelectedRoot(const QComboBox& drives) const;
    // Selects root in the box; signals tell the handler only when notify is set.
    void SelectRoot(QComboBox& drives, const std::string& root, bool notify);
    void RefreshDriveLists();
    void FillDriveList(QComboBox& drives, const std::string& keep);

    TForm1& form_;
    MessageBoxes& boxes_;
    Pair source_;
    Pair destination_;
    std::string mask_;
    std::vector<std::string> roots_;
    // Each volume's current folder, kept while the program runs (the root until one is set).
    std::map<std::string, std::string> keptFolders_;
};

}  // namespace kadoro
