// The settings file "KADORO.INI": the folders and the naming scheme of the last exit through an
// exit button, restored at the next start when "現状態保存" was checked.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class QCheckBox;
class QComboBox;
class QWidget;

namespace kadoro {

class MessageBoxes;

enum class PanelSide { Source, Destination };

// What the settings file reads from and sets in the folder panel, as the user's own picks would.
class SettingsPanel {
public:
    virtual ~SettingsPanel() = default;
    virtual std::string Drive(PanelSide side) const = 0;   // the drive box's volume root
    virtual std::string Folder(PanelSide side) const = 0;  // the folder list's folder
    // As when the user picks the drive: one that cannot be entered gets the drive message, and
    // the pair keeps its drive.
    virtual void PickDrive(PanelSide side, const std::string& root) = 0;
    // Makes folder the pair's current folder (and its drive the pair's drive); false, with
    // nothing changed, when it cannot be entered.
    virtual bool EnterFolder(PanelSide side, const std::string& folder) = 0;
};

// The user's settings folder: $XDG_CONFIG_HOME/kadoro/KADORO.INI, else ~/.config/kadoro/.
std::string SettingsFilePath();

// An integer as the settings file has always been read: decimal, or hexadecimal after "0x",
// "0X" or "$", with an optional sign; anything else, the whole text considered, is unreadable.
std::optional<int> ReadSettingsInteger(std::string_view text);

// Reads the file at path and restores what it holds: CheckBox5, both panel pairs (with the
// messages for a drive or folder that is gone) and ComboBox1. No file: nothing changes.
void LoadSettings(const std::string& path, SettingsPanel& panel, QCheckBox& CheckBox5,
                  QComboBox& ComboBox1, MessageBoxes& boxes, QWidget* parent);

// Writes "save_ini" and, when CheckBox5 is checked, the panels' drives and folders and the
// scheme, keeping every other section and key. False after "%s に書き込めません" when the file
// cannot be written; it is then as it was.
bool SaveSettings(const std::string& path, const SettingsPanel& panel, const QCheckBox& CheckBox5,
                  const QComboBox& ComboBox1, MessageBoxes& boxes, QWidget* parent);

}  // namespace kadoro
