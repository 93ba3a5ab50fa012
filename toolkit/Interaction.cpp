#include "toolkit/Interaction.h"

#include "toolkit/Application.h"

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
