#pragma once
// Every modal interaction of the program passes through one object, so that
// tests can script the user's answers and read back what was shown.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

// Custom is the plain box: no icon, the application's title.
enum class TMsgDlgType { Warning, Error, Information, Confirmation, Custom };
enum class TMsgDlgButtons { Ok, YesNo };
enum class TModalResult { None, Ok, Cancel, Yes, No };

class TDialog;

// A printer chosen in the print dialog.
class TPrinter {
 public:
  virtual ~TPrinter() = default;
  // How many copies the dialog asked for.
  virtual int Copies() const = 0;
  // One print job holding the whole listing; false when the printer refuses.
  virtual bool PrintJob(const std::vector<std::string>& lines) = 0;
};

enum class TPrintDialogResult { Chosen, Cancelled, Failed };

// A file-open or file-save dialog: "filter" uses '|' between description and
// pattern and between entries; "options" are the OFN_* flags.
struct TFileDialogSpec {
  std::string filter;
  std::string defaultExt;
  unsigned long options = 0;
};

class TInteraction {
 public:
  virtual ~TInteraction() = default;

  // A message dialog of one of the four kinds, or the plain box, titled by
  // MsgDlgTitle().
  virtual TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) = 0;

  // One of the program's own dialogs, run modally until it sets its result.
  virtual TModalResult ShowModal(TDialog& dialog) = 0;

  // File dialogs: true when the user chose a file; fileName holds the
  // proposed name on entry and the chosen one on return.
  virtual bool OpenFile(const TFileDialogSpec& request, std::string& fileName) = 0;
  virtual bool SaveFile(const TFileDialogSpec& request, std::string& fileName) = 0;

  // The print dialog (printing to a file not offered); Failed when no
  // printer can be reached.
  virtual TPrintDialogResult PrintDialog(std::unique_ptr<TPrinter>& printer) = 0;

  // The input box: a prompt above one line of text, pre-filled with value;
  // true with the text as it stands when closed with OK.
  virtual bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) = 0;

  // A popup menu at a point of the screen, owned by owner: the identifier
  // of the item chosen, or 0 when the menu was dismissed.
  virtual UINT PopupMenu(HWND owner, HMENU menu, POINT at) = 0;

  // The shell's folder browser; the folder chosen, or empty on cancel.
  virtual std::string BrowseForFolder(const std::string& title) = 0;

  // Asks Windows to restart, shut down or log off (ExitWindowsEx flags);
  // true when the request was accepted.
  virtual bool ShutdownWindows(unsigned flags) = 0;

  // Not modal, but reaching out of the program all the same: the shell opens
  // an address (a web page, a "mailto:" link) on behalf of owner, and a
  // system sound of the sound scheme plays by its alias. Failures go unnoticed.
  virtual void OpenDocument(HWND owner, const std::string& address) = 0;
  virtual void PlaySystemSound(const std::string& alias) = 0;
};

// The object in charge, installed by the program entry (the real dialogs) or
// by a test (scripted answers) before any window asks; without one the
// program ends, as nobody could answer. SetInteraction returns the object it
// replaces, so that a test can put it back.
TInteraction& Interaction();
TInteraction* SetInteraction(TInteraction* interaction);

// The fixed German title of each kind of message dialog; the application's
// title for the plain box.
const char* MsgDlgTitle(TMsgDlgType type);

// The everyday message dialogs: a Yes/No question (true for Yes), an error
// and an information, each with its German title.
bool Confirm(const std::string& question);
void ShowError(const std::string& text);
void ShowInfo(const std::string& text);
