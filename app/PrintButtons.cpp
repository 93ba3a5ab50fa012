// "Drucken" on the text pages: one handler for all eight buttons.
#include "app/MainForm.h"
#include "print/PrintText.h"
#include "support/TextFile.h"
#include "toolkit/Interaction.h"

void TMainForm::ConnectPrintButtons() {
  for (TButton* button : PrintButtons()) button->OnClick = [this, button] { PrintBtnClick(*button); };
}

// Those of the pages built so far.
std::vector<TButton*> TMainForm::PrintButtons() {
  std::vector<TButton*> buttons;
  if (WinIni) buttons.push_back(&WinIni->WinIniPrintBtn);
  for (TTextFilePage* page : {SystemIni.get(), ControlIni.get(), WinstartBat.get(), Dosstart.get(), Autoexec.get(),
                              Config.get()})
    if (page) buttons.push_back(&page->PrintBtn);
  if (msdossys) buttons.push_back(&msdossys->msdossysPrintBtn);
  return buttons;
}

std::vector<std::string> TMainForm::WinIniLinesToPrint() {
  if (WinIni->WinIniChanged && Confirm(PrintTexts::kSaveWinIniFirst)) WinIni->WinIniSaveBtnClick();
  TLoadedText loaded;
  if (!LoadTextFile(TWinIniPage::WinIniPath(), loaded)) {
    ShowError(PrintTexts::kCannotLoadWinIni);
    return {};
  }
  return SplitCrLfLines(loaded.text);
}

void TMainForm::PrintBtnClick(const TButton& sender) {
  if (WinIni && &sender == &WinIni->WinIniPrintBtn) {
    PrintText(WinIniLinesToPrint());
    return;
  }
  if (msdossys && &sender == &msdossys->msdossysPrintBtn) {
    PrintText(msdossys->msdosMemo.Lines());
    return;
  }
  for (TTextFilePage* page : {SystemIni.get(), ControlIni.get(), WinstartBat.get(), Dosstart.get(), Autoexec.get(),
                              Config.get()})
    if (page && &sender == &page->PrintBtn) PrintText(page->Memo.Lines());
}
