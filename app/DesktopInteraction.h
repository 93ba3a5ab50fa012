#pragma once
#include "toolkit/Interaction.h"

// The real dialogs, shown to the person at the machine.
class TDesktopInteraction : public TInteraction {
 public:
  TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) override;
  TModalResult ShowModal(TDialog& dialog) override;
  bool OpenFile(const TFileDialogSpec& request, std::string& fileName) override;
  bool SaveFile(const TFileDialogSpec& request, std::string& fileName) override;
  TPrintDialogResult PrintDialog(std::unique_ptr<TPrinter>& printer) override;
  bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) override;
  UINT PopupMenu(HWND owner, HMENU menu, POINT at) override;
  std::string BrowseForFolder(const std::string& title) override;
  bool ShutdownWindows(unsigned flags) override;

  void OpenDocument(HWND owner, const std::string& address) override;
  void PlaySystemSound(const std::string& alias) override;
};
