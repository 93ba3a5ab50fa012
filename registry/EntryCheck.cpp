// "Überprüfen": reports every entry whose program cannot be found. It only
// reports; the list and its changed state stay as they are. An entry that is
// switched off (here or by Windows) is no fault: it does not start.
#include "registry/ProgramFile.h"
#include "registry/RegistryPage.h"
#include "registry/RegistryTexts.h"
#include "support/AnsiText.h"
#include "toolkit/Interaction.h"

void TRegistryPage::RegCheckBtnClick() {
  if (rows_.empty()) return;
  bool allFound = true;
  for (const TRunEntry* entry : ShownEntries()) {
    if (entry->entry.state != TEntryState::On) continue;  // switched off: it starts nothing
    const std::string name = AnsiForm(entry->entry.name), value = AnsiForm(entry->entry.command);
    if (!entry->entry.editable) {  // its '?' form names no file
      ShowInfo(RegistryTexts::NotCheckableHere(name));
      allFound = false;
      continue;
    }
    if (ProgramFileExists(value) || ProgramFileExists(ExtractProgramFile(value))) continue;
    ShowError(RegistryTexts::MissingProgram(name));
    allFound = false;
  }
  if (allFound) ShowInfo(RegistryTexts::kAllFound);
}
