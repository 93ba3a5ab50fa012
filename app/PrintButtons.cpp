// "Drucken" on the text pages: one handler for all eight buttons.
#include "app/MainForm.h"
#include "print/PrintText.h"
#include "support/TextFile.h"
#include "toolkit/Interaction.h"

void TMainForm::ConnectPrintButtons() {
  for (TButton* button : PrintButtons()) button->OnClick = [this, button] { PrintBtnClick(*button); };
}

std::vector<TButton*> TMainForm::PrintButtons() {
  return {&WinIni->WinIniPrintBtn, &SystemIni->PrintBtn, &ControlIni->PrintBtn, &WinstartBat->PrintBtn,
          &Dosstart->PrintBtn,     &Autoexec->PrintBtn,  &Config->PrintBtn,     &msdossys->msdossysPrintBtn};
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
  if (&sender == &WinIni->WinIniPrintBtn) {
    PrintText(WinIniLinesToPrint());
    return;
  }
  if (&sender == &msdossys->msdossysPrintBtn) {
    PrintText(msdossys->msdosMemo.Lines());
    return;
  }
  for (TTextFilePage* page : {SystemIni.get(), ControlIni.get(), WinstartBat.get(), Dosstart.get(), Autoexec.get(),
                              Config.get()})
    if (&sender == &page->PrintBtn) PrintText(page->Memo.Lines());
}
