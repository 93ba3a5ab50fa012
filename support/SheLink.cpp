#include "support/SheLink.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <optional>

#include "toolkit/Interaction.h"

namespace {

constexpr int kTextBuffer = 260;

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
std::optional<std::wstring> WidePath(const std::string& path) {
  if (path.size() > TShellLink::kMaxPathLength) return std::nullopt;
  wchar_t wide[kTextBuffer] = {};
  if (!MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, kTextBuffer)) return std::nullopt;
  return std::wstring(wide);
}

void ReportNotCreated() {
  ShowError("Konnte Verknüpfungen nicht erstellen!");
}

}  // namespace

bool TShellLink::ReadLink(const std::string& linkFile) {
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
  char text[kTextBuffer] = {};
  if (FAILED(link.GetWorkingDirectory(text, kTextBuffer))) return false;
  WorkingDir = text;
  WIN32_FIND_DATAA found = {};
  if (FAILED(link.GetPath(text, kTextBuffer, &found, SLGP_UNCPRIORITY))) return false;
  Target = text;
  int icon = 0;
  if (FAILED(link.GetIconLocation(text, kTextBuffer, &icon))) return false;
  IconLocation = text;
  IconNumber = static_cast<WORD>(icon);
  if (FAILED(link.GetDescription(text, kTextBuffer))) return false;
  Description = text;
  int show = 0;
  if (FAILED(link.GetShowCmd(&show))) return false;
  ShowCmd = static_cast<WORD>(show);
  WORD hotKey = 0;
  if (FAILED(link.GetHotkey(&hotKey))) return false;
  HotKey = hotKey;
  if (FAILED(link.GetArguments(text, kTextBuffer))) return false;
  Arguments = text;
  return true;
}

void TShellLink::SetUpdate(bool) {
  ReadLink(path_);
  update_ = true;
}

void TShellLink::CreateLink(const std::string& linkFile, const std::string& target) const {
  std::optional<std::wstring> wide = WidePath(linkFile);
  TLinkObject object;
  bool written = wide && object.link && SUCCEEDED(object.link->SetPath(target.c_str())) && object.QueryFile() &&
                 SUCCEEDED(object.file->Save(wide->c_str(), TRUE));
  if (!written) ReportNotCreated();
}
