#include "controls/VistaAltFixUnit.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "toolkit/Application.h"
#include "toolkit/Subclass.h"
#include "toolkit/Themes.h"
#include "toolkit/WindowText.h"

namespace {

DWORD MajorVersion() {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExA(&version) ? version.dwMajorVersion : 0;
}

bool IsButtonType(HWND window) {
  return lstrcmpiA(WindowClassName(window).c_str(), WC_BUTTONA) == 0 &&
         (GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX;
}

bool IsHiddenTabSheet(HWND window) {
  return lstrcmpiA(WindowClassName(GetParent(window)).c_str(), WC_TABCONTROLA) == 0 &&
         !(GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE);
}

void CollectControls(HWND parent, bool repaintAll, std::vector<HWND>& controls) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (repaintAll) {
      controls.push_back(child);
      CollectControls(child, repaintAll, controls);
    } else if (IsButtonType(child)) {
      controls.push_back(child);
    } else if (!IsHiddenTabSheet(child)) {
      CollectControls(child, repaintAll, controls);
    }
  }
}

void Repaint(const TFormObj& record) {
  for (HWND control : ControlsToRepaint(record.Form, record.RepaintAll))
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace

TFormObj::TFormObj(HWND form, bool repaintAll) : Form(form), RepaintAll(repaintAll) {
  AddSubclass(Form, FormProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

// A form that is gone has lost its subclass with its window.
TFormObj::~TFormObj() {
  if (IsWindow(Form)) RemoveSubclass(Form, FormProc, 0);
}

LRESULT CALLBACK TFormObj::FormProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  LRESULT result = CallNextSubclass(hwnd, msg, wParam, lParam);
  if (msg == WM_UPDATEUISTATE) reinterpret_cast<TFormObj*>(self)->RepaintNeeded = true;
  return result;
}

bool VistaAltFixNeeded(DWORD majorVersion, bool themed) { return majorVersion > 5 && themed; }

TVistaAltFix::TVistaAltFix() {
  if (VistaAltFixNeeded(MajorVersion(), ThemesEnabled()))
    idleTicket_ = Application().AddIdleHandler([this] { ApplicationIdle(); });
}

TVistaAltFix::~TVistaAltFix() {
  if (idleTicket_) Application().RemoveIdleHandler(idleTicket_);
}

void TVistaAltFix::ApplicationIdle() {
  for (auto& record : records_) record->Used = false;
  for (HWND form : Application().Forms()) {
    auto found = std::find_if(records_.begin(), records_.end(), [form](auto& record) { return record->Form == form; });
    if (found != records_.end())
      (*found)->Used = true;
    else
      records_.push_back(std::make_unique<TFormObj>(form, RepaintAll));
  }
  for (size_t i = records_.size(); i-- > 0;) {
    TFormObj& record = *records_[i];
    if (!record.Used) {
      records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(i));
    } else if (record.RepaintNeeded) {
      record.RepaintNeeded = false;
      Repaint(record);
    }
  }
}

std::vector<HWND> ControlsToRepaint(HWND form, bool repaintAll) {
  std::vector<HWND> controls;
  CollectControls(form, repaintAll, controls);
  return controls;
}
