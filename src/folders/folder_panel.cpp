// The folder panel's handlers: drive changes, entering folders, the file list and its masks, new
// folders and the swap.
#include "folders/folder_panel.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>
#include <cerrno>

#include "app/form1.h"
#include "app/message_boxes.h"
#include "common/system_texts.h"
#include "folders/file_list_items.h"
#include "folders/folder_list_items.h"
#include "folders/volumes.h"
#include "platform/folder_listing.h"
#include "platform/path_text.h"

namespace kadoro {
namespace {

constexpr int kRootRole = Qt::UserRole;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}
QString Shown(const std::string& native) {
    return QFile::decodeName(QByteArray::fromStdString(native));
}

std::string ParentFolder(const std::string& folder) {
    const auto slash = folder.find_last_of('/');
    if (slash == std::string::npos || slash == 0) return "/";
    return folder.substr(0, slash);
}

// An absolute path as a folder string: no trailing separators except the root's.
std::string AsFolderString(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string ProcessFolder() {
    const QByteArray current = QFile::encodeName(QDir::currentPath());
    return current.startsWith('/') ? AsFolderString(current.toStdString()) : std::string("/");
}

}  // namespace

FolderPanel::FolderPanel(TForm1& form, MessageBoxes& boxes)
    : QObject(&form),
      form_(form),
      boxes_(boxes),
      source_{form.DriveComboBox2, form.DirectoryListBox2, {}, {}, true},
      destination_{form.DriveComboBox1, form.DirectoryListBox1, {}, {}, false},
      mask_(texts::kStartMask),
      roots_(ListVolumeRoots()) {
    PrepareFolderList(*form.DirectoryListBox2);
    PrepareFolderList(*form.DirectoryListBox1);
    // Every row of the file list has the same height; telling the view so spares it measuring
    // thousands of rows.
    form.FileListBox1->setUniformItemSizes(true);
    form.FileListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);

    const std::string start = ProcessFolder();
    FillDriveList(*form.DriveComboBox2, VolumeOf(start, roots_));
    FillDriveList(*form.DriveComboBox1, VolumeOf(start, roots_));
    for (Pair* pair : {&source_, &destination_}) {
        if (EnterFolder(*pair, start)) Recover(*pair, start);
    }
    CheckBox2Click();

    connect(form.DriveComboBox2, &QComboBox::currentIndexChanged, this,
            &FolderPanel::DriveComboBox2Change);
    connect(form.DriveComboBox1, &QComboBox::currentIndexChanged, this,
            &FolderPanel::DriveComboBox1Change);
    connect(form.DirectoryListBox2, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ActivateFolderItem(source_, item); });
    connect(form.DirectoryListBox1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ActivateFolderItem(destination_, item); });
    connect(form.FileListBox1, &QListWidget::currentRowChanged, this,
            &FolderPanel::FileListBox1OnChange);
    connect(form.CheckBox4, &QCheckBox::toggled, this, &FolderPanel::CheckBox4Click);
    connect(form.CheckBox2, &QCheckBox::toggled, this, &FolderPanel::CheckBox2Click);
    connect(form.Button4, &QPushButton::clicked, this, &FolderPanel::Button4Click);
    connect(form.Button16, &QPushButton::clicked, this, &FolderPanel::Button16Click);
    form.Edit1->installEventFilter(this);
    form.DriveComboBox2->installEventFilter(this);
    form.DriveComboBox1->installEventFilter(this);
}

std::string FolderPanel::SourceFolder() const {
    return source_.folder;
}
std::string FolderPanel::DestinationFolder() const {
    return destination_.folder;
}
std::string FolderPanel::SourceDrive() const {
    return SelectedRoot(*source_.drives);
}
std::string FolderPanel::DestinationDrive() const {
    return SelectedRoot(*destination_.drives);
}

bool FolderPanel::SetSourceDrive(const std::string& root) {
    return SetDrive(source_, root);
}
bool FolderPanel::SetDestinationDrive(const std::string& root) {
    return SetDrive(destination_, root);
}
bool FolderPanel::SetSourceFolder(const std::string& folder) {
    return SetFolder(source_, folder);
}
bool FolderPanel::SetDestinationFolder(const std::string& folder) {
    return SetFolder(destination_, folder);
}

void FolderPanel::RereadFileList() {
    FolderListing listing = ListFolderFiles(source_.folder, mask_);
    if (listing.error) {
        InformFolderError(source_.folder, listing.error);
        Recover(source_, source_.folder);
        return;
    }
    FillFileList(*form_.FileListBox1, listing.names);
    FileListBox1OnChange();
}

std::string FolderPanel::FileNameAt(int row) const {
    const QListWidgetItem* item = form_.FileListBox1->item(row);
    return item ? FileNameOfItem(*item) : std::string();
}

void FolderPanel::DriveComboBox2Change() {
    ChangeDrive(source_);
}
void FolderPanel::DriveComboBox1Change() {
    ChangeDrive(destination_);
}
void FolderPanel::OnChangeDlb2() {
    form_.ShownIndex = -1;
}
void FolderPanel::FileListBox1OnChange() {
    form_.ShownIndex = -1;
}

void FolderPanel::CheckBox4Click() {
    mask_ = form_.CheckBox4->isChecked() ? texts::kViewerMask : texts::kStandardMask;
    RereadFileList();
}

void FolderPanel::CheckBox2Click() {
    const bool on = form_.CheckBox2->isChecked();
    form_.Edit1->setEnabled(on);
    form_.Button4->setEnabled(on);
}

void FolderPanel::Button4Click() {
    const bool sameFolders = destination_.folder == source_.folder;
    // The typed name is taken as it stands: an empty or taken name fails in mkdir.
    const std::string path =
        JoinFolderPath(destination_.folder, QFile::encodeName(form_.Edit1->text()).toStdString());
    if (::mkdir(path.c_str(), 0777) != 0) {
        boxes_.Inform(&form_, Text(texts::kCannotMakeFolder));
        return;
    }
    if (const std::error_code error = EnterFolder(destination_, path)) {
        InformFolderError(path, error);
        Recover(destination_, destination_.folder);
    }
    form_.CheckBox2->setChecked(false);
    if (sameFolders) {
        if (const std::error_code error = EnterFolder(source_, source_.folder)) {
            InformFolderError(source_.folder, error);
            Recover(source_, source_.folder);
        }
    }
}

void FolderPanel::Button16Click() {
    const std::string destinationFolder = destination_.folder;
    const std::string sourceFolder = source_.folder;
    const std::string sourceRoot = SelectedRoot(*source_.drives);
    const std::string destinationRoot = SelectedRoot(*destination_.drives);
    SelectRoot(*source_.drives, destinationRoot, true);
    SelectRoot(*destination_.drives, sourceRoot, true);
    for (auto [pair, folder] :
         {std::pair{&destination_, sourceFolder}, std::pair{&source_, destinationFolder}}) {
        if (const std::error_code error = EnterFolder(*pair, folder)) {
            InformFolderError(folder, error);
            Recover(*pair, pair->folder);
        }
    }
}

bool FolderPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_.Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Button4Click();
            return true;
        }
    }
    // Volumes come and go (memory cards); a drive box lists them as they are when it opens.
    if ((watched == form_.DriveComboBox2 || watched == form_.DriveComboBox1) &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)) {
        RefreshDriveLists();
    }
    return QObject::eventFilter(watched, event);
}

void FolderPanel::ChangeDrive(Pair& pair) {
    const std::string previous = pair.root;
    const std::string root = SelectedRoot(*pair.drives);
    if (root.empty() || root == previous) return;
    // The volume's kept folder, or the nearest parent of it on the volume that can still be read.
    auto kept = keptFolders_.find(root);
    std::string folder = kept != keptFolders_.end() ? kept->second : root;
    FolderContents contents;
    if (IsVolumeMounted(root)) {
        for (;;) {
            contents = ReadFolder(pair, folder);
            if (!contents.error || folder == root || folder == "/") break;
            folder = ParentFolder(folder);
        }
    }
    if (!IsVolumeMounted(root) || contents.error) {
        boxes_.Inform(&form_, Text(texts::kDriveInaccessible));
        // Setting the box back runs this handler again, which finds the volume unchanged.
        SelectRoot(*pair.drives, previous, true);
        return;
    }
    Show(pair, folder, contents);
}

bool FolderPanel::SetDrive(Pair& pair, const std::string& root) {
    if (pair.drives->findData(QByteArray::fromStdString(root), kRootRole) < 0) RefreshDriveLists();
    if (pair.drives->findData(QByteArray::fromStdString(root), kRootRole) < 0) {
        boxes_.Inform(&form_, Text(texts::kDriveInaccessible));
        return false;
    }
    SelectRoot(*pair.drives, root, true);
    return pair.root == root;
}

bool FolderPanel::SetFolder(Pair& pair, const std::string& folder) {
    if (folder.empty() || folder.front() != '/') return false;
    return !EnterFolder(pair, AsFolderString(folder));
}

void FolderPanel::ActivateFolderItem(Pair& pair, QListWidgetItem* item) {
    if (item == nullptr) return;
    const std::string folder = FolderOfItem(*item);
    if (folder == pair.folder) return;
    if (const std::error_code error = EnterFolder(pair, folder)) {
        InformFolderError(folder, error);
        Recover(pair, pair.folder);
    }
}

FolderPanel::FolderContents FolderPanel::ReadFolder(const Pair& pair,
                                                    const std::string& folder) const {
    FolderContents contents;
    FolderListing subFolders = ListSubFolders(folder);
    if (subFolders.error) {
        contents.error = subFolders.error;
        return contents;
    }
    contents.subFolders = std::move(subFolders.names);
    if (pair.isSource) {
        FolderListing files = ListFolderFiles(folder, mask_);
        contents.error = files.error;
        contents.files = std::move(files.names);
    }
    return contents;
}

std::error_code FolderPanel::EnterFolder(Pair& pair, const std::string& folder) {
    const FolderContents contents = ReadFolder(pair, folder);
    if (!contents.error) Show(pair, folder, contents);
    return contents.error;
}

void FolderPanel::Show(Pair& pair, const std::string& folder, const FolderContents& contents) {
    const std::string root = VolumeOf(folder, roots_);
    pair.folder = folder;
    pair.root = root;
    keptFolders_[root] = folder;
    FillFolderList(*pair.folders, root, folder, contents.subFolders);
    SelectRoot(*pair.drives, root, false);
    if (pair.isSource) {
        OnChangeDlb2();
        FillFileList(*form_.FileListBox1, contents.files);
        FileListBox1OnChange();
    }
}

void FolderPanel::Recover(Pair& pair, const std::string& from) {
    std::string folder = from.empty() ? std::string("/") : from;
    while (EnterFolder(pair, folder)) {
        if (folder == "/") {
            // Nothing on the way up can be read; show nothing rather than a stale folder.
            pair.folders->clear();
            if (pair.isSource) form_.FileListBox1->clear();
            return;
        }
        folder = ParentFolder(folder);
    }
}

void FolderPanel::InformFolderError(const std::string& folder, std::error_code error) {
    const bool gone =
        error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory;
    const QString text = gone ? Text(texts::kFolderNotFound).arg(Shown(folder))
                              : Text(texts::kFolderUnreadable)
                                    .arg(Shown(folder), QString::fromStdString(error.message()));
    boxes_.Inform(&form_, text);
}

std::string FolderPanel::SelectedRoot(const QComboBox& drives) const {
    return drives.currentData(kRootRole).toByteArray().toStdString();
}

void FolderPanel::SelectRoot(QComboBox& drives, const std::string& root, bool notify) {
    int index = drives.findData(QByteArray::fromStdString(root), kRootRole);
    if (index < 0) {
        RefreshDriveLists();
        index = drives.findData(QByteArray::fromStdString(root), kRootRole);
    }
    if (index < 0 || index == drives.currentIndex()) return;
    const QSignalBlocker blocker(notify ? nullptr : &drives);
    drives.setCurrentIndex(index);
}

void FolderPanel::RefreshDriveLists() {
    roots_ = ListVolumeRoots();
    FillDriveList(*source_.drives, SelectedRoot(*source_.drives));
    FillDriveList(*destination_.drives, SelectedRoot(*destination_.drives));
}

void FolderPanel::FillDriveList(QComboBox& drives, const std::string& keep) {
    const QSignalBlocker blocker(&drives);
    drives.clear();
    std::vector<std::string> shown = roots_;
    // A volume that went away stays listed while a pair is on it, so the box never lies.
    if (!keep.empty() && std::find(shown.begin(), shown.end(), keep) == shown.end()) {
        shown.push_back(keep);
        std::sort(shown.begin(), shown.end());
    }
    for (const std::string& root : shown) {
        drives.addItem(Shown(root), QByteArray::fromStdString(root));
    }
    drives.setCurrentIndex(drives.findData(QByteArray::fromStdString(keep), kRootRole));
}

}  // namespace kadoro
