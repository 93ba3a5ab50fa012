#include "support/WininitFile.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "support/MyTools.h"
#include "support/SystemLocations.h"
#include "support/TextFile.h"
#include "toolkit/Memo.h"
#include "support/Tools.h"

namespace {

bool IsRenameHeader(const std::string& line) { return MyTools.UpperCaseGerman(line) == "[RENAME]"; }

bool StartsSection(const std::string& line) {
  return line.find('[') != std::string::npos && line.find(']') != std::string::npos;
}

std::string ShortFolderName(const std::string& folder) {
  std::vector<char> buffer(folder.size() + MAX_PATH);
  DWORD length = GetShortPathNameA(folder.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length == 0 || length >= buffer.size()) return folder;
  return std::string(buffer.data(), length);
}

std::string ScheduleInWininit(const std::string& entry) {
  const std::string path = GetWinDir() + "\\WININIT.INI";
  std::vector<std::string> lines;
  if (FileExists(path)) {
    ClearReadOnly(path);
    TLoadedText loaded;
    if (!LoadTextFile(path, loaded)) return "Datei " + path + " kann nicht geöffnet werden.";
    // Rewriting it would lose every entry after the NUL.
    if (loaded.hasNulByte) return "Die Datei " + path + " enthält binäre Daten und wird nicht geändert.";
    lines = SplitCrLfLines(loaded.text);
  }
  AddRenameEntry(lines, entry);
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  // Written beside and then moved: a failed write keeps other programs' entries.
  if (!SaveTextFile(path, text)) return "Datei \"" + path + "\" kann nicht erstellt werden.";
  return "";
}

}  // namespace

void AddRenameEntry(std::vector<std::string>& lines, const std::string& entry) {
  auto header = std::find_if(lines.begin(), lines.end(), IsRenameHeader);
  if (header == lines.end()) {
    lines.insert(lines.end(), {"[rename]", entry});
    return;
  }
  auto nextSection = std::find_if(header + 1, lines.end(), StartsSection);
  if (nextSection == lines.end()) {
    lines.push_back(entry);
    return;
  }
  auto last = nextSection - 1;
  while (last != header && last->empty()) --last;
  lines.insert(last + 1, entry);
}

std::string WininitName(const std::string& path) {
  if (path == "NUL") return path;
  const std::string folderWithBackslash = ExtractFilePath(path);
  std::string folder = folderWithBackslash;
  if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  folder = MyTools.UpperCaseGerman(ShortFolderName(folder));
  if (folder.empty()) folder = MyTools.UpperCaseGerman(folderWithBackslash);
  return WithFinalBackslash(folder) + MyTools.UpperCaseGerman(ExtractFileName(path));
}

std::string ReplaceAtReboot(const std::string& source, const std::string& destination) {
  if (IsWinNT) {
    MoveFileExA(source.c_str(), destination == "NUL" ? nullptr : destination.c_str(), MOVEFILE_DELAY_UNTIL_REBOOT);
    return "";
  }
  return ScheduleInWininit(WininitName(destination) + "=" + WininitName(source));
}
