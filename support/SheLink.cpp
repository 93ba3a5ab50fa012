#include "support/SheLink.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <cstring>
#include <optional>
#include <vector>

#include "support/ComLibrary.h"
#include "support/Tools.h"
#include "support/WideText.h"
#include "toolkit/Interaction.h"
#include "toolkit/SystemFunction.h"

namespace {

// A shortcut file counts each of its texts in 16 bits: a buffer of this
// many characters holds any of them whole.
constexpr int kTextBuffer = 0x10000;

// The shell-link object, in its ANSI or its wide form, and its file
// interface, released together.
template <class Link>
struct TLinkObject {
  Link* link = nullptr;
  IPersistFile* file = nullptr;

  explicit TLinkObject(REFIID form) {
    if (FAILED(ComCreateInstance(CLSID_ShellLink, form, reinterpret_cast<void**>(&link))))
      link = nullptr;
  }
  ~TLinkObject() {
    if (file) file->Release();
    if (link) link->Release();
  }
  TLinkObject(const TLinkObject&) = delete;
  TLinkObject& operator=(const TLinkObject&) = delete;

  bool QueryFile() {
    return SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)));
  }
};

// The path as the shell wants it; nothing when it is too long to hand over.
std::optional<std::wstring> WidePath(const std::wstring& path) {
  if (path.size() > TShellLink::kMaxPathLength) return std::nullopt;
  return path;
}

// The text up to its end, and never past the buffer, even where the shell
// leaves a cut text without one.
std::string Field(const std::vector<char>& buffer) {
  return std::string(buffer.data(), strnlen(buffer.data(), buffer.size()));
}

void ReportNotCreated() {
  ShowError("Konnte Verknüpfungen nicht erstellen!");
}

}  // namespace

std::string TShellLink::Path() const { return AnsiFromWide(path_); }

bool TShellLink::ReadLink(const std::string& linkFile) { return ReadLink(WideFromAnsi(linkFile)); }

bool TShellLink::ReadLink(const std::wstring& linkFile) {
  // No file, nothing to read: the shell's object is not made for it (the
  // window's start asks with none, before COM is needed).
  if (linkFile.empty()) return false;
  std::optional<std::wstring> wide = WidePath(linkFile);
  if (!wide) return false;
  TLinkObject<IShellLinkA> object(IID_IShellLinkA);
  if (!object.link || !object.QueryFile()) return false;
  if (FAILED(object.file->Load(wide->c_str(), STGM_READ))) return false;
  if (FAILED(object.link->Resolve(nullptr, SLR_ANY_MATCH))) return false;
  if (!ReadProperties(*object.link)) return false;
  path_ = linkFile;
  return true;
}

bool TShellLink::ReadProperties(IShellLinkA& link) {
  std::vector<char> text(kTextBuffer);
  if (FAILED(link.GetWorkingDirectory(text.data(), kTextBuffer))) return false;
  WorkingDir = Field(text);
  WIN32_FIND_DATAA found = {};
  if (FAILED(link.GetPath(text.data(), kTextBuffer, &found, SLGP_UNCPRIORITY))) return false;
  Target = Field(text);
  int icon = 0;
  if (FAILED(link.GetIconLocation(text.data(), kTextBuffer, &icon))) return false;
  IconLocation = Field(text);
  IconNumber = static_cast<WORD>(icon);
  if (FAILED(link.GetDescription(text.data(), kTextBuffer))) return false;
  Description = Field(text);
  int show = 0;
  if (FAILED(link.GetShowCmd(&show))) return false;
  ShowCmd = static_cast<WORD>(show);
  WORD hotKey = 0;
  if (FAILED(link.GetHotkey(&hotKey))) return false;
  HotKey = hotKey;
  if (FAILED(link.GetArguments(text.data(), kTextBuffer))) return false;
  Arguments = Field(text);
  return true;
}

void TShellLink::SetUpdate(bool) {
  ReadLink(path_);
  update_ = true;
}

bool TShellLink::CreateLink(const std::string& linkFile, const std::string& target) const {
  std::optional<std::wstring> wide = WidePath(WideFromAnsi(linkFile));
  TLinkObject<IShellLinkA> object(IID_IShellLinkA);
  bool written = wide && object.link && SUCCEEDED(object.link->SetPath(target.c_str())) && object.QueryFile() &&
                 SUCCEEDED(object.file->Save(wide->c_str(), TRUE));
  if (!written) ReportNotCreated();
  return written;
}

namespace {

// Looked up at run time: only the NT family's shell is asked for it, and the
// program imports nothing the oldest Windows' shell lacks.
BOOL PathFromItems(LPCITEMIDLIST items, wchar_t* path) {
  static const auto pathFromItems = ShellFunction<decltype(&SHGetPathFromIDListW)>("SHGetPathFromIDListW");
  return pathFromItems && pathFromItems(items, path);
}

// A file's target as the shortcut's item list names it, which holds every
// character of its name (Wine keeps only an ANSI form of the path text);
// the path text for targets the list does not name as a file.
std::optional<std::wstring> WideTarget(IShellLinkW& link) {
  LPITEMIDLIST items = nullptr;
  wchar_t named[MAX_PATH];
  const bool fromItems = SUCCEEDED(link.GetIDList(&items)) && items && PathFromItems(items, named);
  ComTaskMemFree(items);
  if (fromItems) return named;
  std::vector<wchar_t> text(kTextBuffer);
  WIN32_FIND_DATAW found = {};
  if (FAILED(link.GetPath(text.data(), kTextBuffer, &found, SLGP_UNCPRIORITY))) return std::nullopt;
  return std::wstring(text.data(), wcsnlen(text.data(), text.size()));
}

}  // namespace

// The 9x family's shell has the ANSI form only, whose texts are all there is.
std::optional<TLinkCommand> ReadLinkCommand(const std::wstring& linkFile) {
  if (!IsWinNT) {
    TShellLink link;
    if (!link.ReadLink(linkFile)) return std::nullopt;
    return TLinkCommand{WideFromAnsi(link.Target), WideFromAnsi(link.Arguments)};
  }
  std::optional<std::wstring> wide = WidePath(linkFile);
  TLinkObject<IShellLinkW> object(IID_IShellLinkW);
  if (!wide || !object.link || !object.QueryFile() || FAILED(object.file->Load(wide->c_str(), STGM_READ)) ||
      FAILED(object.link->Resolve(nullptr, SLR_ANY_MATCH | SLR_NO_UI)))
    return std::nullopt;
  std::optional<std::wstring> target = WideTarget(*object.link);
  std::vector<wchar_t> arguments(kTextBuffer);
  if (!target || FAILED(object.link->GetArguments(arguments.data(), kTextBuffer))) return std::nullopt;
  return TLinkCommand{*target, std::wstring(arguments.data(), wcsnlen(arguments.data(), arguments.size()))};
}
