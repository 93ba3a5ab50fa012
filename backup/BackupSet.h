#pragma once
// The files that the backup page copies and restores, and the
// restore-information file "Trivan.ini" that tells where each copy belongs.

#include <string>
#include <vector>

enum class THomeFolder { Windows, BootRoot };

struct TBackupRow {
  const char* caption;
  bool checkedAtStart;
  // The file's name at home, the copy's name in the backup folder and the
  // row's key in Trivan.ini, spelled exactly so.
  const char* storedName;
  THomeFolder home;
};

extern const TBackupRow kBackupSet[10];

// The folder text with one final backslash removed: "D:\Sich\" gives
// "D:\Sich", "D:\" gives "D:".
std::string NormaliseBackupFolder(const std::string& folder);

// Where a row's file lives: the Windows folder (no final backslash) or the
// boot root (with its final backslash), followed by the stored name.
std::string HomePath(const TBackupRow& row, const std::string& windowsFolder, const std::string& bootRoot);

struct TBackupPair {
  std::string source;  // the home path
  std::string copy;    // backup folder, "\", stored name
};

// The whole file: six comment lines, "[BACKUP]", then one line
// "stored name=home path" per pair; CR LF after every line.
std::string RestoreInformationText(const std::vector<TBackupPair>& pairs);
