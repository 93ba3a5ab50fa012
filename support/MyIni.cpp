#include "support/MyIni.h"

#include <windows.h>

#include <vector>

#include "support/AnsiText.h"
#include "support/WideText.h"
#include "support/SystemLocations.h"
#include "support/Tools.h"
#include "support/WritableFile.h"
#include "toolkit/Interaction.h"

namespace {

constexpr char kMissingMarker[] = "INIERROR";
constexpr DWORD kValueBuffer = 2048;

// The whole value, however long: a result that fills the buffer may be cut.
template <typename Char, typename Read>
std::basic_string<Char> ReadWhole(Read read) {
  std::vector<Char> value(kValueBuffer);
  DWORD length;
  while ((length = read(value.data(), static_cast<DWORD>(value.size()))) + 1 >= value.size())
    value.resize(value.size() * 2);
  return std::basic_string<Char>(value.data(), length);
}

// The program's folder in its short (8.3) form.
std::string ProgramFolder() {
  std::string folder = ExtractFilePath(ProgramFileName());
  char shortFolder[260] = {};
  if (GetShortPathNameA(folder.c_str(), shortFolder, 259)) folder = shortFolder;
  return WithFinalBackslash(folder);
}

void ShowPlain(const std::string& text) { Interaction().MessageDlg(text, TMsgDlgType::Custom, TMsgDlgButtons::Ok); }

// Creates the missing file and removes it again: tells whether it could be
// created, as the platform's error code (0 when it could).
DWORD TrialCreation(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  CloseHandle(file);
  DeleteFileA(path.c_str());
  return 0;
}

}  // namespace

TTheIniFile::TTheIniFile() : windowsFolder_(WithFinalBackslash(GetWinDir())), programFolder_(ProgramFolder()) {}

void TTheIniFile::SetIniFileName(const std::string& name) {
  if (open_) SetOpen(false);
  iniFileName_ = name;
}

void TTheIniFile::SetDefFilePath(const std::string& folder) {
  if (folder.empty()) return;
  defFilePath_ = WithFinalBackslash(folder);
}

std::string TTheIniFile::LocationPath() const {
  switch (IniLocation) {
    case TIniLocation::loWinDir: return windowsFolder_ + iniFileName_;
    case TIniLocation::loProgDir: return programFolder_ + iniFileName_;
    case TIniLocation::loUser: return iniFileName_;
    case TIniLocation::loDefUser: return defFilePath_ + iniFileName_;
  }
  return iniFileName_;
}

void TTheIniFile::SetOpen(bool open) {
  open_ = open;
  accessible_ = false;
  if (!open) return;
  ErrorCode = 0;
  const std::string path = LocationPath();
  // Opening only reads: the file's attributes change for a write alone.
  if (!FileExists(path)) {
    ErrorCode = kFileMissing;
    if (DWORD error = TrialCreation(path)) {
      ErrorCode = static_cast<int>(error);
      return;
    }
  }
  fullPath_ = path;
  accessible_ = true;
}

bool TTheIniFile::Usable() {
  if (!Section.empty() && !iniFileName_.empty() && open_ && accessible_) return true;
  ShowPlain("Bitte Dateiname angeben.");
  return false;
}

std::string TTheIniFile::ReadEntry(const std::string& key, const std::string& defaultValue) {
  ErrorCode = 0;
  if (!Usable()) return defaultValue;
  if (key.empty()) return "";
  const std::string value = ReadWhole<char>([&](char* buffer, DWORD size) {
    return GetPrivateProfileStringA(Section.c_str(), key.c_str(), kMissingMarker, buffer, size, fullPath_.c_str());
  });
  if (value == kMissingMarker) {
    ErrorCode = kKeyMissing;
    return defaultValue;
  }
  return value;
}

bool TTheIniFile::EntryHasAnsiForm(const std::string& key) {
  if (!IsWinNT || key.empty() || !accessible_) return true;
  const std::wstring section = WideFromAnsi(Section), name = WideFromAnsi(key), path = WideFromAnsi(fullPath_);
  const std::wstring value = ReadWhole<wchar_t>([&](wchar_t* buffer, DWORD size) {
    return GetPrivateProfileStringW(section.c_str(), name.c_str(), L"", buffer, size, path.c_str());
  });
  return ExactAnsiForm(value).has_value();
}

bool TTheIniFile::WriteEntry(const std::string& key, const std::string& value) {
  ErrorCode = 0;
  if (!Usable()) return false;
  if (key.empty()) return true;
  TWritableFile writable(fullPath_);
  if (!writable.Writable()) {
    ErrorCode = kReadOnly;
    ShowPlain("Kann Schreibschutz von " + fullPath_ + " nicht entfernen!");
    return false;
  }
  return WritePrivateProfileStringA(Section.c_str(), key.c_str(), value.c_str(), fullPath_.c_str()) != FALSE;
}
