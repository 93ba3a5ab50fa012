#include "tests/FakeInteraction.h"

#include "toolkit/Dialog.h"

namespace {

const char* TypeName(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::Warning: return "warning";
    case TMsgDlgType::Error: return "error";
    case TMsgDlgType::Information: return "information";
    case TMsgDlgType::Confirmation: return "confirmation";
    case TMsgDlgType::Custom: return "plain";
  }
  return "?";
}

TShownMessage Make(TMsgDlgType type, const std::string& text, TMsgDlgButtons buttons) {
  return {type, text, buttons, MsgDlgTitle(type)};
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const TShownMessage& message) {
  return out << TypeName(message.type) << " \"" << message.title << "\" ["
             << (message.buttons == TMsgDlgButtons::YesNo ? "&Ja/&Nein" : "OK") << "]: \"" << message.text << "\"";
}

TShownMessage Question(const std::string& text) { return Make(TMsgDlgType::Confirmation, text, TMsgDlgButtons::YesNo); }
TShownMessage Info(const std::string& text) { return Make(TMsgDlgType::Information, text, TMsgDlgButtons::Ok); }
TShownMessage Error(const std::string& text) { return Make(TMsgDlgType::Error, text, TMsgDlgButtons::Ok); }
TShownMessage Warning(const std::string& text) { return Make(TMsgDlgType::Warning, text, TMsgDlgButtons::Ok); }
TShownMessage Plain(const std::string& text) { return Make(TMsgDlgType::Custom, text, TMsgDlgButtons::Ok); }

TModalResult TFakeInteraction::MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
  shown_.push_back(Make(type, text, buttons));
  if (buttons == TMsgDlgButtons::Ok) return TModalResult::Ok;
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected question: " << shown_.back();
    return TModalResult::No;
  }
  TModalResult answer = answers_.front();
  answers_.pop_front();
  return answer;
}

TModalResult TFakeInteraction::ShowModal(TDialog& dialog) {
  if (modalScripts_.empty()) {
    ADD_FAILURE() << "unexpected dialog: " << dialog.Caption();
    return TModalResult::Cancel;
  }
  auto script = std::move(modalScripts_.front());
  modalScripts_.pop_front();
  return script(dialog);
}

bool TFakeInteraction::NextFile(const TFileDialogSpec& request, std::string& fileName, bool save) {
  fileDialogs_.push_back({request, fileName, save});
  if (fileChoices_.empty()) {
    ADD_FAILURE() << "unexpected file dialog";
    return false;
  }
  std::optional<std::string> choice = fileChoices_.front();
  fileChoices_.pop_front();
  if (!choice) return false;
  fileName = *choice;
  return true;
}

bool TFakeInteraction::OpenFile(const TFileDialogSpec& request, std::string& fileName) {
  return NextFile(request, fileName, false);
}
bool TFakeInteraction::SaveFile(const TFileDialogSpec& request, std::string& fileName) {
  return NextFile(request, fileName, true);
}

namespace {
class TRecordingPrinter : public TPrinter {
 public:
  TRecordingPrinter(TFakeInteraction& fake, int copies) : fake_(fake), copies_(copies) {}
  int Copies() const override { return copies_; }
  bool PrintJob(const std::vector<std::string>& lines) override {
    if (fake_.printerRefuses) return false;
    fake_.printJobs.push_back(lines);
    return true;
  }

 private:
  TFakeInteraction& fake_;
  int copies_;
};
}  // namespace

TPrintDialogResult TFakeInteraction::PrintDialog(std::unique_ptr<TPrinter>& printer) {
  ++printDialogs;
  if (printChoices_.empty()) {
    ADD_FAILURE() << "unexpected print dialog";
    return TPrintDialogResult::Cancelled;
  }
  auto [result, copies] = printChoices_.front();
  printChoices_.pop_front();
  if (result == TPrintDialogResult::Chosen) printer = std::make_unique<TRecordingPrinter>(*this, copies);
  return result;
}

bool TFakeInteraction::InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
  inputQueries.push_back({caption, prompt, value});
  if (typedTexts_.empty()) {
    ADD_FAILURE() << "unexpected input box: " << caption;
    return false;
  }
  std::optional<std::string> text = typedTexts_.front();
  typedTexts_.pop_front();
  if (!text) return false;
  value = *text;
  return true;
}

UINT TFakeInteraction::PopupMenu(HWND, HMENU menu, POINT) {
  std::vector<TMenuItemShown> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[256] = {};
    GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    items.push_back({text, !(GetMenuState(menu, i, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED))});
  }
  menus.push_back(items);
  if (menuChoices_.empty()) {
    ADD_FAILURE() << "unexpected popup menu";
    return 0;
  }
  const std::optional<std::string> choice = menuChoices_.front();
  menuChoices_.pop_front();
  if (!choice) return 0;
  for (int i = 0; i < static_cast<int>(items.size()); ++i)
    if (items[i].text.rfind(*choice, 0) == 0) return GetMenuItemID(menu, i);
  ADD_FAILURE() << "no menu item " << *choice;
  return 0;
}

std::string TFakeInteraction::BrowseForFolder(const std::string& title) {
  folderBrowserTitles.push_back(title);
  if (folderChoices_.empty()) {
    ADD_FAILURE() << "unexpected folder browser: " << title;
    return "";
  }
  std::string folder = folderChoices_.front();
  folderChoices_.pop_front();
  return folder;
}

bool TFakeInteraction::ShutdownWindows(unsigned flags) {
  shutdownRequests.push_back(flags);
  return shutdownAccepted;
}

void ExpectShown(const TFakeInteraction& fake, const std::vector<TShownMessage>& expected, std::source_location where) {
  testing::ScopedTrace trace(where.file_name(), static_cast<int>(where.line()), "messages shown");
  EXPECT_EQ(fake.Shown(), expected);
}
