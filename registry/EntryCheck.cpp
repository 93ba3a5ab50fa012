// "Überprüfen": reports every entry whose program cannot be found. It only
// reports; the list and its changed state stay as they are. An entry that is
// switched off (here or by Windows) is no fault: it does not start.
#include "registry/ProgramFile.h"
#include "registry/RegistryPage.h"
#include "registry/RegistryTexts.h"
#include "registry/RunRowData.h"
#include "toolkit/Interaction.h"

void TRegistryPage::RegCheckBtnClick() {
  if (RegView.Count() == 0) return;
  bool allFound = true;
  for (int i = 0; i < RegView.Count(); ++i) {
    if (!RegView.Checked(i)) continue;  // switched off: it starts nothing
    const std::string value = RegView.SubItem(i);
    if (!RunRowEditable(RegView.Data(i))) {  // its '?' form names no file
      ShowInfo(RegistryTexts::NotCheckableHere(RegView.Caption(i)));
      allFound = false;
      continue;
    }
    if (ProgramFileExists(value) || ProgramFileExists(ExtractProgramFile(value))) continue;
    ShowError(RegistryTexts::MissingProgram(RegView.Caption(i)));
    allFound = false;
  }
  if (allFound) ShowInfo(RegistryTexts::kAllFound);
}
