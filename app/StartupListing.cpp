#include "app/StartupListing.h"

#include <windows.h>

#include <algorithm>

#include "pages/StartupFolder.h"
#include "pages/TextFilePage.h"
#include "registry/FurtherPlaces.h"
#include "registry/ProgramFile.h"
#include "registry/RunKeyEntries.h"
#include "registry/RunTypeKeys.h"
#include "services/ServiceEntries.h"
#include "support/BatchProgramLines.h"
#include "tasks/TaskEntries.h"
#include "tasks/TasksTexts.h"
#include "support/SheLink.h"
#include "support/Tools.h"
#include "support/WholeFile.h"
#include "support/WideText.h"

namespace {

const char* StatusText(TEntryState state) {
  switch (state) {
    case TEntryState::OffByVelmora:
      return EntryListTexts::kStatusOffByVelmora;
    case TEntryState::OffByWindows:
      return EntryListTexts::kStatusOffByWindows;
    case TEntryState::On:
      break;
  }
  return EntryListTexts::kStatusOn;
}

const char* PresentText(bool present) { return present ? EntryListTexts::kPresent : EntryListTexts::kMissing; }

std::string Utf8FromAnsi(const std::string& text) { return Utf8FromWide(WideFromAnsi(text)); }

// A command line's program as the Registry page's check finds it.
TListedEntry CommandEntry(const std::string& place, const std::wstring& name, const std::wstring& command,
                          TEntryState state) {
  const std::wstring program = ExtractProgramFile(command);
  return {place,
          Utf8FromWide(name),
          Utf8FromWide(command),
          StatusText(state),
          Utf8FromWide(program),
          PresentText(!program.empty() && ProgramFileExists(program))};
}

void ListRunKeys(std::vector<TListedEntry>& list) {
  for (const TRunTypeKey& key : RunTypeKeys()) {
    if (!key.shown) continue;
    TRunKeyEntries entries(key.path);
    entries.Load();
    for (const TRunEntry& run : entries.Entries())
      list.push_back(CommandEntry(Utf8FromAnsi(key.path), run.entry.name, run.entry.command, run.entry.state));
  }
}

TEntryState FolderState(const TStartupFolder& folder, const TFolderEntry& entry) {
  if (!entry.on) return TEntryState::OffByVelmora;
  return folder.Starts(entry) ? TEntryState::On : TEntryState::OffByWindows;
}

// A shortcut's command is its target and arguments; its program the target.
void ListFolder(TStartupScope scope, std::vector<TListedEntry>& list) {
  TStartupFolder folder(scope);
  if (Trim(folder.Folder()) == "\\") return;  // the system names no such folder
  folder.Load();
  const std::string& path = folder.Folder();
  const std::string place = Utf8FromAnsi(path.substr(0, path.size() - 1));
  for (const TFolderEntry& entry : folder.Entries()) {
    const TLinkCommand link = ReadLinkCommand(folder.FileOf(entry)).value_or(TLinkCommand{});
    const std::wstring command = link.arguments.empty() ? link.target : link.target + L" " + link.arguments;
    list.push_back({place, Utf8FromWide(entry.name), Utf8FromWide(command), StatusText(FolderState(folder, entry)),
                    Utf8FromWide(link.target), PresentText(!link.target.empty() && ProgramFileExists(link.target))});
  }
}

// A service's place is its key, its name the one the Dienste page shows.
void ListServices(std::vector<TListedEntry>& list) {
  TServiceEntries services;
  services.Load();
  for (const TServiceEntry& service : services.Entries())
    list.push_back({Utf8FromAnsi("HKEY_LOCAL_MACHINE\\" + service.entry.place.path), Utf8FromWide(service.displayName),
                    Utf8FromWide(service.entry.command), StatusText(service.entry.state),
                    Utf8FromWide(service.programFile), PresentText(ProgramFound(service))});
}

// A task's place is its folder in the scheduler ("\\" or "\\Hersteller"),
// its name the task's own. Each action is a row; a definition that cannot be
// read is one row that says why, with nothing to tell of its state.
void ListTasks(std::vector<TListedEntry>& list) {
  TTaskEntries tasks;
  tasks.Load();
  for (const TTaskEntry& task : tasks.Entries()) {
    const size_t slash = task.path.rfind(L'\\');
    const std::string place = Utf8FromWide(slash == 0 ? std::wstring(L"\\") : task.path.substr(0, slash));
    const std::string name = Utf8FromWide(task.path.substr(slash + 1));
    if (task.reading != TTaskReading::Read) {
      list.push_back({place, name, Utf8FromAnsi(TasksTexts::Unreadable(task.reading)), "", "", ""});
      continue;
    }
    const char* status = task.definition.enabled ? EntryListTexts::kStatusOn : EntryListTexts::kStatusOffByWindows;
    const std::vector<std::wstring> missing = TTaskEntries::MissingPrograms(task);
    for (size_t i = 0; i < task.definition.actions.size(); ++i) {
      const TTaskAction& action = task.definition.actions[i];
      const std::wstring command = action.arguments.empty() ? action.command : action.command + L" " + action.arguments;
      const std::wstring program = i < task.programFiles.size() ? task.programFiles[i] : L"";
      const bool present = std::find(missing.begin(), missing.end(), program) == missing.end();
      list.push_back({place, name, Utf8FromWide(command), status, Utf8FromWide(program), PresentText(present)});
    }
  }
}

// The further places hold CLSIDs, lists of DLLs and the boot's own programs
// as well as command lines, and their page checks no program: the program
// file and whether it is there stay empty, and none counts as missing.
void ListFurtherPlaces(std::vector<TListedEntry>& list) {
  for (const TFurtherEntry& further : ReadFurtherPlaces()) {
    const bool kept = further.warning == TFurtherWarning::AppInitNotLoaded;
    list.push_back({Utf8FromAnsi(further.location), Utf8FromWide(further.value.name),
                    Utf8FromWide(ShownValue(further.value)),
                    kept ? EntryListTexts::kStatusOffByWindows : EntryListTexts::kStatusOn, "", ""});
  }
}

// The profile functions read Win.ini as Windows does (the NT family maps its
// [windows] section to the registry); the wide one carries every character.
std::wstring WinIniValue(const char* key) {
  if (!IsWinNT) {
    char value[4096] = {};
    GetPrivateProfileStringA("windows", key, "", value, sizeof value, "win.ini");
    return WideFromAnsi(value);
  }
  wchar_t value[4096] = {};
  GetPrivateProfileStringW(L"windows", WideFromAnsi(key).c_str(), L"", value, std::size(value), L"win.ini");
  return value;
}

// Each blank-separated program of run= and load= is an entry of its own.
void ListWinIni(std::vector<TListedEntry>& list) {
  for (const char* key : {"run", "load"}) {
    const std::string place = std::string("Win.ini [windows] ") + key;
    const std::wstring value = WinIniValue(key);
    size_t start = 0;
    while (start < value.size()) {
      size_t blank = value.find(L' ', start);
      if (blank == std::wstring::npos) blank = value.size();
      const std::wstring program = value.substr(start, blank - start);
      if (!program.empty()) list.push_back(CommandEntry(place, program, program, TEntryState::On));
      start = blank + 1;
    }
  }
}

// The command interpreter adds the extensions it can start.
bool BatchProgramExists(const std::string& program) {
  if (ProgramFileExists(program)) return true;
  for (const char* extension : {".com", ".exe", ".bat"})
    if (ProgramFileExists(program + extension)) return true;
  return false;
}

std::string Unquoted(const std::string& program) {
  return program.size() >= 2 && program.front() == '"' ? program.substr(1, program.size() - 2) : program;
}

void ListBatchFile(const std::string& path, std::vector<TListedEntry>& list) {
  std::string text;
  if (!ReadWholeFile(path, text)) return;
  for (const TProgramLine& line : ProgramLinesOf(text)) {
    const std::string program = Unquoted(line.program);
    list.push_back({Utf8FromAnsi(path + ", Zeile " + std::to_string(line.lineNumber)), Utf8FromAnsi(line.program),
                    Utf8FromAnsi(line.line), EntryListTexts::kStatusOn, Utf8FromAnsi(program),
                    PresentText(BatchProgramExists(program))});
  }
}

}  // namespace

std::vector<TListedEntry> ListStartupEntries() {
  std::vector<TListedEntry> list;
  ListRunKeys(list);
  ListFolder(TStartupScope::CurrentUser, list);
  if (IsWinNT) ListFolder(TStartupScope::AllUsers, list);
  ListServices(list);
  ListTasks(list);
  ListFurtherPlaces(list);
  ListWinIni(list);
  ListBatchFile(TextFilePath({"Winstart.bat", TTextFileFolder::Windows}), list);
  ListBatchFile(TextFilePath({"Autoexec.bat", TTextFileFolder::BootRoot}), list);
  return list;
}
