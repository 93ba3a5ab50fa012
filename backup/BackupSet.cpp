#include "backup/BackupSet.h"

#include "support/Tools.h"

const TBackupRow kBackupSet[10] = {
    {"User.dat", true, "USER.DAT", THomeFolder::Windows},
    {"System.dat", true, "SYSTEM.DAT", THomeFolder::Windows},
    {"Win.ini", true, "WIN.INI", THomeFolder::Windows},
    {"System.ini", true, "SYSTEM.INI", THomeFolder::Windows},
    {"Control.ini", true, "CONTROL.INI", THomeFolder::Windows},
    {"Protocol.ini", false, "PROTOCOL.INI", THomeFolder::Windows},
    {"Autoexec.bat", true, "Autoexec.bat", THomeFolder::BootRoot},
    {"Config.sys", true, "Config.sys", THomeFolder::BootRoot},
    {"msdos.sys", true, "MSDOS.SYS", THomeFolder::BootRoot},
    {"io.sys", false, "IO.SYS", THomeFolder::BootRoot},
};

std::string NormaliseBackupFolder(const std::string& folder) {
  if (!folder.empty() && folder.back() == '\\') return folder.substr(0, folder.size() - 1);
  return folder;
}

std::string HomePath(const TBackupRow& row, const std::string& windowsFolder, const std::string& bootRoot) {
  if (row.home == THomeFolder::Windows) return windowsFolder + "\\" + row.storedName;
  return bootRoot + row.storedName;
}

std::string RestoreInformationText(const std::vector<TBackupPair>& pairs) {
  static const char* const kHeader[] = {
      ";Velmora Wiederherstellungsinformationen",
      ";",
      "; Führen Sie keine Änderungen an dieser Datei durch!",
      ";",
      ";Auf KEINEN Fall die Schreibung der Dateinamen ändern, ansonsten erkennt der Velmora diese nicht mehr!",
      ";",
      "[BACKUP]",
  };
  std::string text;
  for (const char* line : kHeader) text += std::string(line) + "\r\n";
  for (const TBackupPair& pair : pairs) text += ExtractFileName(pair.copy) + "=" + pair.source + "\r\n";
  return text;
}
