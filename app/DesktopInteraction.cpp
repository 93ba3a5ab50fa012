#include "app/DesktopInteraction.h"

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <vector>

#include "app/InputQueryDialog.h"
#include "print/GdiListingCanvas.h"
#include "support/ComLibrary.h"
#include "support/Shutdown.h"
#include "toolkit/Dialog.h"
#include "toolkit/ModalWindows.h"
#include "toolkit/SystemFunction.h"

namespace {

// The common dialogs, the shell and the sound library are loaded when first
// needed: most runs use none of them, and the libraries would grow every
// start's memory.
template <typename Function>
Function CommonDialogFunction(const char* name) {
  return SystemFunction<Function>("comdlg32.dll", name);
}

// Windows labels the buttons of a message box in its own language; ours are
// German whatever the system is, so they are renamed as the box appears.
HHOOK germanButtonsHook = nullptr;

LRESULT CALLBACK RenameButtons(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    SetDlgItemTextA(box, IDOK, "OK");
    SetDlgItemTextA(box, IDYES, "&Ja");
    SetDlgItemTextA(box, IDNO, "&Nein");
    UnhookWindowsHookEx(germanButtonsHook);
    germanButtonsHook = nullptr;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

UINT IconOf(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::Warning: return MB_ICONWARNING;
    case TMsgDlgType::Error: return MB_ICONERROR;
    case TMsgDlgType::Information: return MB_ICONINFORMATION;
    case TMsgDlgType::Confirmation: return MB_ICONQUESTION;
    case TMsgDlgType::Custom: return 0;
  }
  return 0;
}

// "Text|*.ext|Other|*.*" becomes the NUL-separated, doubly terminated form.
std::vector<char> CommonDialogFilter(const std::string& filter) {
  std::vector<char> result(filter.begin(), filter.end());
  for (char& c : result)
    if (c == '|') c = '\0';
  result.push_back('\0');
  result.push_back('\0');
  return result;
}

bool RunFileDialog(const TFileDialogSpec& request, std::string& fileName, bool save) {
  std::vector<char> filter = CommonDialogFilter(request.filter);
  char buffer[MAX_PATH * 4] = {};
  fileName.copy(buffer, sizeof buffer - 1);
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = GetActiveWindow();
  TModalWindows others(ofn.hwndOwner);
  ofn.lpstrFilter = filter.data();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buffer;
  ofn.nMaxFile = sizeof buffer;
  ofn.lpstrDefExt = request.defaultExt.empty() ? nullptr : request.defaultExt.c_str();
  ofn.Flags = request.options | OFN_EXPLORER;
  auto run = CommonDialogFunction<decltype(&GetOpenFileNameA)>(save ? "GetSaveFileNameA" : "GetOpenFileNameA");
  if (!run || !run(&ofn)) return false;
  fileName = buffer;
  return true;
}

}  // namespace

TModalResult TDesktopInteraction::MessageDlg(const std::string& text, TMsgDlgType type,
                                             TMsgDlgButtons buttons) {
  UINT style = IconOf(type) | (buttons == TMsgDlgButtons::YesNo ? MB_YESNO : MB_OK) | MB_TASKMODAL;
  HWND owner = GetActiveWindow();
  TModalWindows others(owner);
  germanButtonsHook = SetWindowsHookExA(WH_CBT, RenameButtons, nullptr, GetCurrentThreadId());
  int answer = MessageBoxA(owner, text.c_str(), MsgDlgTitle(type), style);
  if (germanButtonsHook) {
    UnhookWindowsHookEx(germanButtonsHook);
    germanButtonsHook = nullptr;
  }
  switch (answer) {
    case IDYES: return TModalResult::Yes;
    case IDNO: return TModalResult::No;
    default: return TModalResult::Ok;
  }
}

TModalResult TDesktopInteraction::ShowModal(TDialog& dialog) { return dialog.RunModalLoop(); }

bool TDesktopInteraction::OpenFile(const TFileDialogSpec& request, std::string& fileName) {
  return RunFileDialog(request, fileName, false);
}

bool TDesktopInteraction::SaveFile(const TFileDialogSpec& request, std::string& fileName) {
  return RunFileDialog(request, fileName, true);
}

TPrintDialogResult TDesktopInteraction::PrintDialog(std::unique_ptr<TPrinter>& printer) {
  PRINTDLGA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  TModalWindows others(dialog.hwndOwner);
  dialog.Flags = PD_RETURNDC | PD_DISABLEPRINTTOFILE | PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIESANDCOLLATE |
                 PD_NOSELECTION | PD_NOPAGENUMS;
  dialog.nCopies = 1;
  auto printDlg = CommonDialogFunction<decltype(&PrintDlgA)>("PrintDlgA");
  auto extendedError = CommonDialogFunction<decltype(&CommDlgExtendedError)>("CommDlgExtendedError");
  if (!printDlg || !extendedError) return TPrintDialogResult::Failed;
  if (!printDlg(&dialog))
    return extendedError() == 0 ? TPrintDialogResult::Cancelled : TPrintDialogResult::Failed;
  // The program prints each copy as a job of its own, so the driver makes one.
  int copies = dialog.nCopies;
  if (dialog.hDevMode) {
    if (auto* mode = static_cast<DEVMODEA*>(GlobalLock(dialog.hDevMode))) {
      if (mode->dmFields & DM_COPIES) copies = mode->dmCopies;
      mode->dmCopies = 1;
      ResetDCA(dialog.hDC, mode);
      GlobalUnlock(dialog.hDevMode);
    }
    GlobalFree(dialog.hDevMode);
  }
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  printer = std::make_unique<TGdiPrinter>(dialog.hDC, copies);
  return TPrintDialogResult::Chosen;
}

bool TDesktopInteraction::InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
  TInputQueryDialog dialog(GetActiveWindow(), caption, prompt, value);
  if (dialog.RunModalLoop() != TModalResult::Ok) return false;
  value = dialog.ValueEdit.Text();
  return true;
}

UINT TDesktopInteraction::PopupMenu(HWND owner, HMENU menu, POINT at) {
  // The menu's own loop: the owner must be in the foreground, or the menu
  // would not close when the user clicks elsewhere.
  SetForegroundWindow(owner);
  const UINT chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, at.x,
                                     at.y, 0, owner, nullptr);
  PostMessageA(owner, WM_NULL, 0, 0);
  return chosen;
}

std::string TDesktopInteraction::BrowseForFolder(const std::string& title) {
  char displayName[MAX_PATH] = {};
  BROWSEINFOA browse = {};
  browse.hwndOwner = GetActiveWindow();
  TModalWindows others(browse.hwndOwner);
  browse.pszDisplayName = displayName;
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  const auto browseForFolder = ShellFunction<decltype(&SHBrowseForFolderA)>("SHBrowseForFolderA");
  const auto pathFromItems = ShellFunction<decltype(&SHGetPathFromIDListA)>("SHGetPathFromIDListA");
  LPITEMIDLIST chosen = browseForFolder && pathFromItems ? browseForFolder(&browse) : nullptr;
  if (!chosen) return "";
  char path[MAX_PATH] = {};
  bool hasPath = pathFromItems(chosen, path);
  ComTaskMemFree(chosen);
  return hasPath ? path : "";
}

bool TDesktopInteraction::ShutdownWindows(unsigned flags) { return RequestShutdown(flags); }

void TDesktopInteraction::OpenDocument(HWND owner, const std::string& address) {
  if (const auto execute = ShellFunction<decltype(&ShellExecuteA)>("ShellExecuteA"))
    execute(owner, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TDesktopInteraction::PlaySystemSound(const std::string& alias) {
  if (auto playSound = SystemFunction<decltype(&PlaySoundA)>("winmm.dll", "PlaySoundA"))
    playSound(alias.c_str(), nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT);
}
