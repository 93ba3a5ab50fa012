#include "app/UnsavedChanges.h"

#include "toolkit/Interaction.h"

namespace {

constexpr std::array<const char*, kPageFlagCount> kQuestions = {
    "Änderungen in die Windows-Registrierung speichern?",
    "Änderungen in Win.ini speichern?",
    "Änderungen in System.ini speichern?",
    "Änderungen in Control.ini speichern?",
    "Änderungen in Winstart.bat speichern?",
    "Änderungen in Dosstart.bat speichern?",
    "Änderungen in Autoexec.bat speichern?",
    "Änderungen in Config.sys speichern?",
    "Änderungen in msdos.sys speichern?",
};

}  // namespace

bool TUnsavedChanges::AskToSave() {
  bool allSaved = true;
  for (int i = 0; i < kPageFlagCount; ++i) {
    if (!flags_[i] || !Confirm(kQuestions[i]) || !saveHandlers_[i]) continue;
    saveHandlers_[i]();
    if (flags_[i]) allSaved = false;
  }
  return allSaved;
}
