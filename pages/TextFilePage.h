#pragma once
// A page that shows one start-up text file whole in a memo and writes it
// back: System.ini, Control.ini, Winstart.bat, Dosstart.bat, Autoexec.bat,
// Config.sys. The six differ only in the file and its folder.

#include <functional>
#include <string>

#include "toolkit/Button.h"
#include "toolkit/Dialog.h"
#include "toolkit/Memo.h"
#include "toolkit/Page.h"
#include "toolkit/PageControl.h"

enum class TTextFileFolder { Windows, BootRoot };

// How much of its file a page's memo shows. Only a file shown whole is saved
// from the memo: a part written back would cut the file.
enum class TFileShown { Whole, UpToNulByte, TooLargeForMemo };

struct TTextFileKind {
  const char* fileName;  // exactly as written into the path
  TTextFileFolder folder;
  // Windows 9x starts it (Dosstart.bat): the NT family shows it read-only.
  bool nineXOnly = false;
};

// Where the file of that kind is on this system.
std::string TextFilePath(const TTextFileKind& kind);

class TTextFilePage : public TDialog, public TPage {
 public:
  TTextFilePage(HWND pageControlHandle, TPageControl& pageControl, TTextFileKind kind, bool& changed,
                std::function<bool(const std::string&)> makeBackupCopy);

  TMemo Memo;
  TButton SaveBtn, RefreshBtn, PrintBtn;
  bool& Changed;

  void RefreshBtnClick();
  void SaveBtnClick();
  void MemoChange() { Changed = true; }

  // The file's full path, built afresh each time.
  std::string Path() const;
  // Reloading without the question about unsaved changes.
  void Load() override;
  void Save() override { SaveBtnClick(); }
  void ApplyPlatform(bool isWinNT) override;

 private:
  TPageControl& pages_;
  TTextFileKind kind_;
  std::function<bool(const std::string&)> makeBackupCopy_;
  TFileShown shown_ = TFileShown::Whole;
};

// Loads the file into the memo (line ends as CR LF). A file holding a NUL
// byte is shown read-only up to it, and one longer than the memo can hold is
// shown read-only as far as it holds (or not at all), each with a message and
// noted in shown.
// False, with the memo unchanged, when the file cannot be read.
bool LoadFileIntoMemo(const std::string& path, TMemo& memo, TFileShown& shown);
// The same, up to the NUL byte, for a page that completes the text before the
// memo shows it.
bool ReadFileForMemo(const std::string& path, TMemo& memo, TFileShown& shown, std::string& text);

// Writes the memo over the file, as every file page saves: nothing is written
// when nothing changed or the file was not shown whole; the backup copy comes
// first; the file keeps its attributes (afterWrite, given the text written, may
// add to the file before they return); the outcome is reported and a saved
// page is no longer changed. When the backup copy fails and the user does not
// want to save without it, nothing is written and the page stays changed.
void SaveMemoIntoFile(const std::string& path, const TMemo& memo, TFileShown shown, bool& changed, TPageControl& pages,
                      const std::function<bool(const std::string&)>& makeBackupCopy,
                      const std::function<void(const std::string& text)>& afterWrite = nullptr);

// "Keine Änderungen durchgeführt, Speicherung unnötig!" and the other texts
// that the file pages share.
namespace TextFileTexts {
inline constexpr char kNothingToSave[] = "Keine Änderungen durchgeführt, Speicherung unnötig!";
inline constexpr char kSaved[] = "Speicherung abgeschlossen!";
inline constexpr char kSaveFailed[] = "Speicherung fehlgeschlagen!";
inline std::string DiscardQuestion(const std::string& fileName) {
  return "Änderungen für " + fileName + " verwerfen?";
}
inline std::string BinaryFileShownReadOnly(const std::string& path) {
  return "Die Datei " + path + " enthält ein Nullzeichen (binäre Daten). Sie wird nur bis dorthin und "
         "schreibgeschützt angezeigt, damit beim Speichern nichts verloren geht.";
}
inline std::string BinaryFileNotSaved(const std::string& path) {
  return "Die Datei " + path + " enthält binäre Daten und kann hier nicht gespeichert werden.";
}
inline std::string TooLargeFileShownReadOnly(const std::string& path) {
  return "Die Datei " + path + " ist für das Textfeld dieser Windows-Version zu groß. Sie wird nicht ganz und "
         "schreibgeschützt angezeigt, damit beim Speichern nichts verloren geht.";
}
inline std::string TooLargeFileNotSaved(const std::string& path) {
  return "Die Datei " + path + " wird nicht ganz angezeigt und kann hier nicht gespeichert werden.";
}
}  // namespace TextFileTexts
