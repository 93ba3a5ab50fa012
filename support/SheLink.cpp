#include "support/SheLink.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <cstring>
#include <optional>
#include <vector>

#include "support/WideText.h"
#include "toolkit/Interaction.h"

namespace {

// A shortcut file counts each of its texts in 16 bits: a buffer of this
// many characters holds any of them whole.
constexpr int kTextBuffer = 0x10000;

// The shell-link object and its file interface, released together.
struct TLinkObject {
  IShellLinkA* link = nullptr;
  IPersistFile* file = nullptr;

  TLinkObject() {
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
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
  std::optional<std::wstring> wide = WidePath(linkFile);
  if (!wide) return false;
  TLinkObject object;
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
  TLinkObject object;
  bool written = wide && object.link && SUCCEEDED(object.link->SetPath(target.c_str())) && object.QueryFile() &&
                 SUCCEEDED(object.file->Save(wide->c_str(), TRUE));
  if (!written) ReportNotCreated();
  return written;
}
