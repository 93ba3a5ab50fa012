#include "help/HelpTools.h"

#include <htmlhelp.h>

#include "help/HelpTexts.h"
#include "help/HtmlHelpLibrary.h"
#include "support/Tools.h"
#include "toolkit/Application.h"
#include "toolkit/Interaction.h"

namespace {

THtmlHelp* current = nullptr;

HWND CallHtmlHelp(HWND caller, const std::string& file, UINT command, DWORD_PTR data) {
  return HtmlHelpLibrary().HtmlHelpA(caller, file.empty() ? nullptr : file.c_str(), command, data);
}

}  // namespace

THtmlHelp* THtmlHelp::Current() { return current; }

THtmlHelp::THtmlHelp() {
  previousHandler_ = Application().OnHelp;
  Application().OnHelp = [this](UINT command, ULONG_PTR data, bool& callHelp) {
    ApplicationHelp(command, data, callHelp);
  };
  current = this;
}

THtmlHelp::~THtmlHelp() {
  CloseHelpWindows();
  Application().OnHelp = previousHandler_;
  FreeHtmlHelpLibrary();
  if (current == this) current = nullptr;
}

void THtmlHelp::SetHelpFile(const std::string& path) {
  if (path == helpFile_) return;
  CloseHelpWindows();
  helpFile_ = path;
}

void THtmlHelp::CloseHelpWindows() {
  if (HtmlHelpLibrary().Loaded() && helpUsed_) CallHtmlHelp(nullptr, {}, HH_CLOSE_ALL, 0);
  helpUsed_ = false;
}

void THtmlHelp::ShowContents() {
  if (!HtmlHelpLibrary().Loaded()) {
    ShowError(HelpTexts::kNoLibrary);
    return;
  }
  CloseHelpWindows();
  helpUsed_ = true;
  if (CallHtmlHelp(nullptr, helpFile_, HH_DISPLAY_TOC, 0)) return;
  // HTML Help says nothing itself when it refuses a file.
  ShowError(FileExists(helpFile_) ? HelpTexts::FileRefused(helpFile_) : HelpTexts::FileMissing(helpFile_));
}

void THtmlHelp::ShowPopup(ULONG_PTR stringNumber) {
  HH_POPUP popup = {};
  popup.cbStruct = sizeof popup;
  popup.idString = static_cast<UINT>(stringNumber);
  popup.pt = popupPosition_;
  popup.clrForeground = 255;
  popup.clrBackground = static_cast<COLORREF>(-1);
  popup.rcMargins = {-1, -1, -1, -1};
  popup.pszFont = "";
  CallHtmlHelp(GetActiveWindow(), helpFile_ + "::/\\cshelp.txt", HH_DISPLAY_TEXT_POPUP,
               reinterpret_cast<DWORD_PTR>(&popup));
}

void THtmlHelp::ApplicationHelp(UINT command, ULONG_PTR data, bool& callHelp) {
  LoadHtmlHelpLibrary();
  helpUsed_ = true;
  callHelp = false;
  // The contents are what the "Hilfe" button asks for: when they cannot be
  // shown, the user hears why even without the library.
  if (command == HELP_INDEX || command == HELP_FINDER) {
    ShowContents();
    return;
  }
  if (!HtmlHelpLibrary().Loaded()) return;
  switch (command) {
    case HELP_CONTEXT:
    case HELP_KEY:  // the data is a keyword's address; no program of ours asks this
      CallHtmlHelp(nullptr, helpFile_, HH_HELP_CONTEXT, data);
      break;
    case HELP_CONTEXTPOPUP:
      ShowPopup(data);
      break;
    case HELP_SETPOPUP_POS:
      popupPosition_ = {static_cast<short>(LOWORD(data)), static_cast<short>(HIWORD(data))};
      break;
  }
}

std::string ProgramHelpFile() {
  return ExtractFilePath(ProgramFileName()) + "trivan.chm";
}
