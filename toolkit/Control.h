#pragma once
// Base of every control object: a C++ handle on one child window of a dialog,
// which routes that window's notifications to it.

#include <windows.h>

#include <string>

class TDialog;

class TControl {
 public:
  TControl(TDialog& owner, int id);
  virtual ~TControl() = default;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  HWND Handle() const { return handle_; }
  int Id() const { return id_; }
  TDialog& Owner() const { return owner_; }

  bool Enabled() const;
  void SetEnabled(bool enabled);
  bool Visible() const;
  void SetVisible(bool visible);
  std::string Text() const;
  void SetText(const std::string& text);

  // The tooltip; some pages also keep a value of their own in it.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);

  // The topic that F1 over the control asks for; the toolkit's own controls
  // carry none (0).
  virtual int HelpContext() const { return 0; }

  // Notifications from the window, routed by the owning dialog.
  virtual void Command(WORD /*code*/) {}
  virtual LRESULT Notify(NMHDR& /*header*/) { return 0; }

 private:
  TDialog& owner_;
  int id_;
  HWND handle_;
  std::string hint_;
};
