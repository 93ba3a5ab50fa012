#pragma once
// Since Windows Vista, themed controls are not redrawn when the Alt key makes
// the access-key underlines appear (WM_UPDATEUISTATE). This fix watches every
// form of the application and repaints its controls at the next idle moment
// after such a change. Before Vista or without themes it does nothing.

#include <windows.h>

#include <memory>
#include <vector>

// One watched form.
struct TFormObj {
  TFormObj(HWND form, bool repaintAll);
  ~TFormObj();
  TFormObj(const TFormObj&) = delete;
  TFormObj& operator=(const TFormObj&) = delete;

  HWND Form;
  bool Used = true;
  bool RepaintNeeded = false;
  bool RepaintAll;

 private:
  static LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
};

class TVistaAltFix {
 public:
  TVistaAltFix();
  ~TVistaAltFix();
  TVistaAltFix(const TVistaAltFix&) = delete;
  TVistaAltFix& operator=(const TVistaAltFix&) = delete;

  bool RepaintAll = true;

  bool Active() const { return idleTicket_ != 0; }
  const std::vector<std::unique_ptr<TFormObj>>& Records() const { return records_; }

 private:
  void ApplicationIdle();

  std::vector<std::unique_ptr<TFormObj>> records_;
  int idleTicket_ = 0;
};

// True from Windows Vista on (major version 6 and later) with themes in use.
bool VistaAltFixNeeded(DWORD majorVersion, bool themed);

// The controls of form that a repaint covers. With repaintAll every window
// below the form; otherwise the button-type controls (push buttons, check
// boxes, radio buttons), not looking into tab sheets that are not shown.
std::vector<HWND> ControlsToRepaint(HWND form, bool repaintAll);
