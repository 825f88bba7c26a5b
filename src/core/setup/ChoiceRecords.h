#pragma once
// The files through which Optaset tells the installer what the user chose. They all live
// in the application folder (the folder of the program file); no folder is ever created.
// Every step ignores its own failure and the next one runs: the installer relies only on
// what is present afterwards. An empty folder (the program's own path could not be read)
// means nothing is touched: relative names would land in whatever the current folder is.
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace optaset {

inline constexpr std::string_view kDocFolder = "Doc";
inline constexpr std::string_view kChoiceFile = "Cancelinst.ini";  // inside kDocFolder
inline constexpr std::string_view kChoiceSection = "[CancelItems]";
inline constexpr std::string_view kCancelAllMarker = "CancelAll.log";
inline constexpr std::string_view kConfigFile = "QuilloraStudio.cfg";
inline constexpr std::string_view kConfigBackup = "QuilloraStudio.cfg.old";
// Every line Optaset writes ends so, and a marker holds this line alone.
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kMarkerLine = "###";

// One row of the list as it stands when the user leaves.
struct RowChoice {
  std::string name;
  bool ticked = true;
};

// Start-up work: remove the markers of an earlier run, then back up the configuration file.
void StartupWork(const std::filesystem::path& appFolder);
void DeleteOldMarkers(const std::filesystem::path& appFolder);
void BackupConfiguration(const std::filesystem::path& appFolder);

// Writes the choice file anew; with force the whole installation is cancelled and the rows
// are not recorded, otherwise each unticked optional row gets its key line and its marker.
void CancelInst(const std::filesystem::path& appFolder, bool force, std::span<const RowChoice> rows);

// Creates or replaces a marker file.
void Createlogfile(const std::filesystem::path& file);

}  // namespace optaset
