#include "toolkit/Interaction.h"

#include <cstdlib>

#include "toolkit/Application.h"

namespace {

TInteraction* installed = nullptr;

}  // namespace

TInteraction& Interaction() {
  if (!installed) std::abort();
  return *installed;
}

TInteraction* SetInteraction(TInteraction* interaction) {
  TInteraction* replaced = installed;
  installed = interaction;
  return replaced;
}

const char* MsgDlgTitle(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::Warning: return "Warnung";
    case TMsgDlgType::Error: return "Fehler";
    case TMsgDlgType::Information: return "Informationen";
    case TMsgDlgType::Confirmation: return "Bestätigung";
    case TMsgDlgType::Custom: return Application().Title().c_str();
  }
  return "";
}

bool Confirm(const std::string& question) {
  return Interaction().MessageDlg(question, TMsgDlgType::Confirmation, TMsgDlgButtons::YesNo) == TModalResult::Yes;
}

void ShowError(const std::string& text) { Interaction().MessageDlg(text, TMsgDlgType::Error, TMsgDlgButtons::Ok); }

void ShowInfo(const std::string& text) {
  Interaction().MessageDlg(text, TMsgDlgType::Information, TMsgDlgButtons::Ok);
}
