#pragma once
// A window made from a dialog template of the resources: a tab sheet (child
// template) or one of the program's modal dialogs (popup template). It routes
// the notifications of its controls to their control objects.

#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <string>

#include "toolkit/Interaction.h"

class TControl;

class TDialog {
 public:
  // Made hidden; a child template becomes a child of parent, a popup template
  // a window owned by parent.
  TDialog(HWND parent, int templateId);
  virtual ~TDialog();
  TDialog(const TDialog&) = delete;
  TDialog& operator=(const TDialog&) = delete;

  HWND Handle() const { return handle_; }
  std::string Caption() const;
  void SetCaption(const std::string& caption);

  // Control objects register themselves here on construction.
  void Register(TControl& control);
  template <class Visit> void ForEachControl(Visit visit) {
    for (auto& [id, control] : controls_) visit(*control);
  }
  void SetToolTip(HWND tool, const std::string& text);

  // Runs call once the message being handled has returned: a question or a
  // rebuilt list must not run inside the notification of the control that
  // asked for it.
  void Post(std::function<void()> call);

  // Modal use: the result ends the modal loop; None while it runs.
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }
  // Shows the dialog with the program's other windows disabled until a
  // result is set. A quit request ends it with Cancel and stays in the queue
  // for the outer message loop.
  TModalResult RunModalLoop();

 protected:
  virtual INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;
  HWND toolTip_ = nullptr;
  std::map<int, TControl*> controls_;
  std::deque<std::function<void()>> posted_;
  TModalResult modalResult_ = TModalResult::None;
};
