#include "tests/HtmlHelpRecorder.h"

#include <htmlhelp.h>

#include "help/HtmlHelpLibrary.h"

namespace {

std::vector<THtmlHelpCall> calls;
TRecordedPopup popup;
THtmlHelpLibrary saved;
bool refusing = false;

HWND WINAPI Record(HWND caller, LPCSTR file, UINT command, DWORD_PTR data) {
  calls.push_back({caller, file ? file : "<none>", command, data});
  if (command == HH_DISPLAY_TEXT_POPUP) {
    const auto& record = *reinterpret_cast<const HH_POPUP*>(data);
    popup = {static_cast<UINT>(record.cbStruct), record.idString, record.pt, record.clrForeground,
             record.clrBackground, record.rcMargins, record.pszFont ? record.pszFont : "<none>",
             record.pszText != nullptr};
    calls.back().data = 0;  // the record's address says nothing
  }
  // Any window stands for the help window.
  return refusing ? nullptr : GetDesktopWindow();
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const THtmlHelpCall& call) {
  return out << "{caller " << call.caller << ", \"" << call.file << "\", command " << call.command << ", data "
             << call.data << "}";
}

THtmlHelpRecorder::THtmlHelpRecorder(bool available) {
  saved = HtmlHelpLibrary();
  HtmlHelpLibrary().HtmlHelpA = available ? Record : nullptr;
  HtmlHelpLibrary().searched = true;
  refusing = false;
  Clear();
}

THtmlHelpRecorder::~THtmlHelpRecorder() { HtmlHelpLibrary() = saved; }

void THtmlHelpRecorder::RefuseEverything() { refusing = true; }

const std::vector<THtmlHelpCall>& THtmlHelpRecorder::Calls() const { return calls; }
const TRecordedPopup& THtmlHelpRecorder::LastPopup() const { return popup; }

void THtmlHelpRecorder::Clear() {
  calls.clear();
  popup = {};
}
