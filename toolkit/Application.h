#pragma once
// The application object: the hidden window behind the taskbar button, the
// title, the help file name and the message loop with its hook.

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

class TApplication {
 public:
  // Registers the window classes of the toolkit and makes the application
  // window. Only a program shown to a person gives it a taskbar button.
  void Initialize(bool taskbarButton);

  HINSTANCE Instance() const { return GetModuleHandleA(nullptr); }
  // Registers a top-level window class with the program's icon (its first
  // icon resource) in both sizes: given no small icon, Windows makes a
  // small copy for each class (Wine draws it anew each time).
  bool RegisterFormClass(WNDCLASSEXA& windowClass) const;
  HWND Handle() const { return handle_; }

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);

  std::string HelpFile;

  // The window that the taskbar button stands for; closing the application
  // window closes it.
  HWND MainForm = nullptr;

  // Sees every message taken from the queue before it is dispatched; setting
  // "handled" keeps the message from being dispatched.
  std::function<void(MSG& msg, bool& handled)> OnMessage;

  // Answers a help request (a WinHelp command and its data) and clears
  // callHelp when the toolkit need not call WinHelp itself.
  std::function<void(UINT command, ULONG_PTR data, bool& callHelp)> OnHelp;
  // A help request: OnHelp first, then WinHelp with HelpFile unless OnHelp
  // dealt with it.
  void HelpCommand(UINT command, ULONG_PTR data);

  // The program's top-level windows (main window and dialogs), in the order
  // they were made; each registers itself while its window exists.
  const std::vector<HWND>& Forms() const { return forms_; }
  void AddForm(HWND form);
  void RemoveForm(HWND form);

  // Keys that a form sees before its controls and the dialog navigation do
  // (Ctrl+Tab switching its pages); the handler returns true when it used
  // the key. Ends with the form.
  void SetKeyPreview(HWND form, std::function<bool(const MSG& msg)> handler);

  // Handlers run each time the message queue has become empty; adding one
  // gives the ticket that removes it.
  int AddIdleHandler(std::function<void()> handler);
  void RemoveIdleHandler(int ticket);
  void Idle();

  // Runs the message loop until the main form has been destroyed.
  void Run();
  // Handles every message waiting in the queue, then returns.
  void ProcessMessages();
  // Hook, dialog keys, translation and dispatch of one message.
  void Dispatch(MSG& msg);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;
  std::string title_;
  std::vector<HWND> forms_;
  std::map<HWND, std::function<bool(const MSG&)>> keyPreviews_;
  std::map<int, std::function<void()>> idleHandlers_;
  int nextIdleTicket_ = 1;
};

TApplication& Application();
