#pragma once
// The program's help: every help request of the toolkit is answered through
// HTML Help with the help file "trivan.chm". One object lives from program
// start to program end.

#include <windows.h>

#include <functional>
#include <string>

class THtmlHelp {
 public:
  // Installs the help handler; the HTML Help library is loaded with the
  // first request. The machine's HTML Help security settings stay as they
  // are: they guard every help file and every program, not only this one.
  THtmlHelp();
  // Closes the help windows, puts the previous handler back, frees the library.
  ~THtmlHelp();
  THtmlHelp(const THtmlHelp&) = delete;
  THtmlHelp& operator=(const THtmlHelp&) = delete;

  // The living object, or nullptr.
  static THtmlHelp* Current();

  const std::string& HelpFile() const { return helpFile_; }
  // A different file closes the help windows of the previous one.
  void SetHelpFile(const std::string& path);
  void CloseHelpWindows();
  bool HelpUsed() const { return helpUsed_; }
  POINT PopupPosition() const { return popupPosition_; }

  // The application's help handler: every request is answered here.
  void ApplicationHelp(UINT command, ULONG_PTR data, bool& callHelp);

 private:
  void ShowContents();
  void ShowPopup(ULONG_PTR stringNumber);

  std::function<void(UINT, ULONG_PTR, bool&)> previousHandler_;
  std::string helpFile_;
  bool helpUsed_ = false;
  POINT popupPosition_ = {0, 0};
};

// Where the help file lies: the program's folder, "trivan.chm".
std::string ProgramHelpFile();
