// Wiring the main window's parts together.
#include "app/main_window.h"

#include "app/message_boxes.h"
#include "app/settings_file.h"

namespace kadoro {

// The settings file's view of the folder panel.
class MainWindow::PanelSettings : public SettingsPanel {
public:
    explicit PanelSettings(FolderPanel& panel) : panel_(panel) {}

    std::string Drive(PanelSide side) const override {
        return side == PanelSide::Source ? panel_.SourceDrive() : panel_.DestinationDrive();
    }
    std::string Folder(PanelSide side) const override {
        return side == PanelSide::Source ? panel_.SourceFolder() : panel_.DestinationFolder();
    }
    void PickDrive(PanelSide side, const std::string& root) override {
        if (side == PanelSide::Source) {
            panel_.SetSourceDrive(root);
        } else {
            panel_.SetDestinationDrive(root);
        }
    }
    bool EnterFolder(PanelSide side, const std::string& folder) override {
        return side == PanelSide::Source ? panel_.SetSourceFolder(folder)
                                         : panel_.SetDestinationFolder(folder);
    }

private:
    FolderPanel& panel_;
};

MainWindow::MainWindow(MessageBoxes& boxes, std::string settingsPath)
    : folders_(form_, boxes),
      run_(form_, boxes,
           {[this] { return folders_.SourceFolder(); },
            [this] { return folders_.DestinationFolder(); }, [this] { folders_.RereadFileList(); },
            [this](int row) { return folders_.FileNameAt(row); }}),
      settings_(std::make_unique<PanelSettings>(folders_)) {
    LoadSettings(settingsPath, *settings_, *form_.CheckBox5, *form_.ComboBox1, boxes, &form_);
    // The exit buttons write the settings; a file that cannot be written keeps the window open.
    form_.BeforeExit = [this, &boxes, path = std::move(settingsPath)] {
        return SaveSettings(path, *settings_, *form_.CheckBox5, *form_.ComboBox1, boxes, &form_);
    };
}

MainWindow::~MainWindow() = default;

}  // namespace kadoro
