// Reading and writing "KADORO.INI" with SimpleIni.
#include "app/settings_file.h"

#define SI_CONVERT_ICU
#include <SimpleIni.h>

#include <QCheckBox>
#include <QComboBox>
#include <QString>

#include <charconv>
#include <cstdlib>
#include <filesystem>

#include "app/message_boxes.h"
#include "common/format_text.h"
#include "common/system_texts.h"
#include "convert/naming.h"
#include "platform/atomic_file.h"
#include "platform/file_operations.h"
#include "platform/file_reading.h"

namespace kadoro {
namespace {

constexpr const char* kSection = "Kadoro for Windows";

// Reads the settings file into ini. A folder under the name cannot be opened as a file, and
// anything larger than this is no settings file.
bool ReadSettingsFile(const std::string& path, CSimpleIniA& ini) {
    constexpr std::size_t kLargest = 1 << 20;
    const FilePrefix file = ReadFilePrefix(path, kLargest + 1);
    if (file.status != FilePrefix::Status::Read || file.bytes.size() > kLargest) return false;
    return ini.LoadData(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()) >= 0;
}

void Inform(MessageBoxes& boxes, QWidget* parent, const std::string& text) {
    boxes.Inform(parent, QString::fromUtf8(text.c_str()));
}

// Restores one pair; a folder that cannot be entered gets its message and the pair goes to
// fallbackDrive and fallbackFolder.
void RestorePair(SettingsPanel& panel, PanelSide side, const std::string& drive,
                 const std::string& folder, const char* missingMessage,
                 const std::string& fallbackDrive, const std::string& fallbackFolder,
                 MessageBoxes& boxes, QWidget* parent) {
    panel.PickDrive(side, drive);
    if (folder.empty() || panel.EnterFolder(side, folder)) return;
    Inform(boxes, parent, FormatText(missingMessage, folder.c_str()));
    panel.PickDrive(side, fallbackDrive);
    panel.EnterFolder(side, fallbackFolder);
}

}  // namespace

std::string SettingsFilePath() {
    std::string folder;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
        folder = config;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        folder = std::string(home) + "/.config";
    } else {
        folder = ".";
    }
    return folder + "/kadoro/KADORO.INI";
}

std::optional<int> ReadSettingsInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.starts_with("$")) {
        base = 16;
        text.remove_prefix(1);
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    value = negative ? -value : value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int>(value);
}

void LoadSettings(const std::string& path, SettingsPanel& panel, QCheckBox& CheckBox5,
                  QComboBox& ComboBox1, MessageBoxes& boxes, QWidget* parent) {
    CSimpleIniA ini;
    ini.SetUnicode();
    if (!ReadSettingsFile(path, ini)) return;
    const std::string sourceDrive = ini.GetValue(kSection, "drv_from", "0");
    if (sourceDrive == "0") return;
    const int saveState = ReadSettingsInteger(ini.GetValue(kSection, "save_ini", "0")).value_or(0);
    CheckBox5.setChecked(saveState != 0);
    if (!CheckBox5.isChecked()) return;

    const std::string startDrive = panel.Drive(PanelSide::Source);
    const std::string startFolder = panel.Folder(PanelSide::Source);
    RestorePair(panel, PanelSide::Source, sourceDrive, ini.GetValue(kSection, "dir_from", ""),
                texts::kSourceFolderMissing, startDrive, startFolder, boxes, parent);

    // A destination that is gone falls back to the source as it now stands.
    const std::string sourceDriveNow = panel.Drive(PanelSide::Source);
    const std::string sourceFolderNow = panel.Folder(PanelSide::Source);
    RestorePair(panel, PanelSide::Destination,
                ini.GetValue(kSection, "drv_to", sourceDriveNow.c_str()),
                ini.GetValue(kSection, "dir_to", ""), texts::kDestinationFolderMissing,
                sourceDriveNow, sourceFolderNow, boxes, parent);

    // A scheme index that names no scheme falls back to the first entry.
    const int scheme = ReadSettingsInteger(ini.GetValue(kSection, "format", "0")).value_or(0);
    ComboBox1.setCurrentIndex(IsValidScheme(scheme) ? scheme : 0);
}

bool SaveSettings(const std::string& path, const SettingsPanel& panel, const QCheckBox& CheckBox5,
                  const QComboBox& ComboBox1, MessageBoxes& boxes, QWidget* parent) {
    CSimpleIniA ini;
    ini.SetUnicode();
    ini.SetSpaces(false);
    ReadSettingsFile(path, ini);  // a missing file is written from scratch
    const bool saveState = CheckBox5.isChecked();
    ini.SetValue(kSection, "save_ini", saveState ? "1" : "0");
    if (saveState) {
        ini.SetValue(kSection, "drv_from", panel.Drive(PanelSide::Source).c_str());
        ini.SetValue(kSection, "drv_to", panel.Drive(PanelSide::Destination).c_str());
        ini.SetValue(kSection, "dir_from", panel.Folder(PanelSide::Source).c_str());
        ini.SetValue(kSection, "dir_to", panel.Folder(PanelSide::Destination).c_str());
        ini.SetValue(kSection, "format", std::to_string(ComboBox1.currentIndex()).c_str());
    }
    std::string content;
    std::error_code ignored;
    std::filesystem::create_directories(FolderOf(path), ignored);
    if (ini.Save(content) < 0 || !WriteFileAtomically(path, content)) {
        Inform(boxes, parent, FormatText(texts::kSettingsCannotWrite, path.c_str()));
        return false;
    }
    return true;
}

}  // namespace kadoro
