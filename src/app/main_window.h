// The main window put together: its controls, the folder panel, the conversion run and the
// settings file.
#pragma once

#include <memory>
#include <string>

#include "app/conversion_run.h"
#include "app/form1.h"
#include "folders/folder_panel.h"

namespace kadoro {

class MessageBoxes;

class MainWindow {
public:
    // Builds the window and restores the settings file at settingsPath, as at every start.
    MainWindow(MessageBoxes& boxes, std::string settingsPath);
    ~MainWindow();

    TForm1& form() { return form_; }
    FolderPanel& folders() { return folders_; }

private:
    class PanelSettings;

    TForm1 form_;
    FolderPanel folders_;
    ConversionRun run_;
    std::unique_ptr<PanelSettings> settings_;
};

}  // namespace kadoro
