#include "pages/TextFilePage.h"

#include <windows.h>

#include "res/resource.h"
#include "support/SystemLocations.h"
#include "support/TextFile.h"
#include "support/Tools.h"
#include "toolkit/Interaction.h"

TTextFilePage::TTextFilePage(HWND pageControlHandle, TPageControl& pageControl, TTextFileKind kind, bool& changed,
                             std::function<bool(const std::string&)> makeBackupCopy)
    : TDialog(pageControlHandle, IDD_TEXTFILE),
      Memo(*this, IDC_TEXTMEMO),
      SaveBtn(*this, IDC_TEXTSAVEBTN),
      RefreshBtn(*this, IDC_TEXTREFRESHBTN),
      PrintBtn(*this, IDC_TEXTPRINTBTN),
      Changed(changed),
      pages_(pageControl),
      kind_(kind),
      makeBackupCopy_(std::move(makeBackupCopy)) {
  Memo.OnChange = [this] { MemoChange(); };
  SaveBtn.OnClick = [this] { SaveBtnClick(); };
  RefreshBtn.OnClick = [this] { RefreshBtnClick(); };
}

std::string TextFilePath(const TTextFileKind& kind) {
  if (kind.folder == TTextFileFolder::BootRoot) return GetBootDir() + kind.fileName;
  return WithFinalBackslash(GetWinDir()) + kind.fileName;
}

std::string TTextFilePage::Path() const { return TextFilePath(kind_); }

void TTextFilePage::RefreshBtnClick() {
  if (Changed && !Confirm(TextFileTexts::DiscardQuestion(kind_.fileName))) return;
  Load();
}

bool ReadFileForMemo(const std::string& path, TMemo& memo, TFileShown& shown, std::string& text) {
  TLoadedText loaded;
  if (!LoadTextFile(path, loaded)) return false;
  shown = loaded.hasNulByte ? TFileShown::UpToNulByte : TFileShown::Whole;
  memo.SetReadOnly(loaded.hasNulByte);
  text = std::move(loaded.text);
  if (loaded.hasNulByte) ShowError(TextFileTexts::BinaryFileShownReadOnly(path));
  return true;
}

bool LoadFileIntoMemo(const std::string& path, TMemo& memo, TFileShown& shown) {
  std::string text;
  if (!ReadFileForMemo(path, memo, shown, text)) return false;
  if (!memo.SetText(text)) {
    shown = TFileShown::TooLargeForMemo;
    memo.SetReadOnly(true);
    // An edit that refused the text still holds the one before it.
    const std::string held = memo.Text();
    if (text.compare(0, held.size(), held) != 0) memo.SetText("");
    ShowError(TextFileTexts::TooLargeFileShownReadOnly(path));
  }
  return true;
}

void TTextFilePage::ApplyPlatform(bool isWinNT) {
  if (!kind_.nineXOnly) return;
  for (TControl* control : std::initializer_list<TControl*>{&Memo, &SaveBtn, &PrintBtn}) control->SetEnabled(!isWinNT);
}

void TTextFilePage::Load() {
  TPageControlBusy busy(pages_);
  if (LoadFileIntoMemo(Path(), Memo, shown_)) Changed = false;
}

void SaveMemoIntoFile(const std::string& path, const TMemo& memo, TFileShown shown, bool& changed, TPageControl& pages,
                      const std::function<bool(const std::string&)>& makeBackupCopy,
                      const std::function<void(const std::string& text)>& afterWrite) {
  if (!changed) {
    ShowError(TextFileTexts::kNothingToSave);
    return;
  }
  if (shown != TFileShown::Whole) {
    ShowError(shown == TFileShown::UpToNulByte ? TextFileTexts::BinaryFileNotSaved(path)
                                               : TextFileTexts::TooLargeFileNotSaved(path));
    return;
  }
  TPageControlBusy busy(pages);
  if (!makeBackupCopy(path)) return;
  const std::string text = memo.Text();
  const bool saved = SaveKeepingAttributes(path, text, [&] {
    if (afterWrite) afterWrite(text);
  });
  if (!saved) {
    ShowError(TextFileTexts::kSaveFailed);
    return;
  }
  changed = false;
  ShowInfo(TextFileTexts::kSaved);
}

void TTextFilePage::SaveBtnClick() { SaveMemoIntoFile(Path(), Memo, shown_, Changed, pages_, makeBackupCopy_); }
