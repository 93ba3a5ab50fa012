// "Änderungen speichern": the entries' model writes what the user changed;
// the page asks what the save needs to know and says what came of it.
#include "registry/RegistryPage.h"
#include "registry/RegistryTexts.h"
#include "registry/StartupStatus.h"
#include "support/AnsiText.h"
#include "toolkit/Interaction.h"

namespace {

std::string ChangeLines(const TOtherChanges& other) {
  std::string lines;
  for (const TOtherChange& change : other.changes) {
    const std::string name = AnsiForm(change.name);
    lines += change.kind == TOtherChange::Added     ? RegistryTexts::AddedElsewhere(name)
             : change.kind == TOtherChange::Changed ? RegistryTexts::ChangedElsewhere(name)
                                                    : RegistryTexts::RemovedElsewhere(name);
  }
  return lines;
}

std::string Names(const std::vector<std::wstring>& names) {
  std::string list;
  for (const std::wstring& name : names)
    list += (list.empty() ? "\"" : ", \"") + RegistryTexts::ShownName(AnsiForm(name)) + "\"";
  return list;
}

std::string KeptLines(const std::vector<TKeptEntry>& kept) {
  std::string lines;
  for (const TKeptEntry& entry : kept) {
    const std::string name = RegistryTexts::ShownName(AnsiForm(entry.name));
    lines += entry.reason == TKeptReason::OtherProgram ? RegistryTexts::KeptForOtherProgram(name)
             : entry.reason == TKeptReason::NotText    ? RegistryTexts::KeptForValueNotText(name)
                                                       : RegistryTexts::KeptForNameTaken(name);
  }
  return lines;
}

std::string FailureText(const TSaveFailure& failure) {
  const std::string name = AnsiForm(failure.name);
  switch (failure.step) {
    case TSaveStep::Delete:
      return RegistryTexts::CannotRemoveValue(name);
    case TSaveStep::Write:
      return RegistryTexts::CannotWriteValue(name);
    case TSaveStep::SwitchOnInWindows:
      break;
  }
  return StartupStatus::CannotSwitchOnInWindows(name);
}

}  // namespace

bool TRegistryPage::AskAboutOtherChanges(const TOtherChanges& other) {
  const std::string note = RegistryTexts::KeyChangedElsewhere(CurrentRegKey, ChangeLines(other));
  if (!other.conflicts.empty()) return Confirm(note + RegistryTexts::OverwriteQuestion(Names(other.conflicts)));
  ShowInfo(note + RegistryTexts::kOtherChangesKept);
  return false;
}

void TRegistryPage::ReportSave(const TSaveReport& report) {
  for (const TSaveFailure& failure : report.failures) ShowError(FailureText(failure));
  if (!report.failures.empty()) return;
  if (report.kept.empty())
    ShowInfo(RegistryTexts::kSaved);
  else
    ShowInfo(RegistryTexts::SavedWithKept(KeptLines(report.kept)));
}

void TRegistryPage::SaveRegBtnClick() {
  TPageControlBusy busy(AutoStartPageControl);
  const int selectedId = SelectedId();
  const std::vector<int> shownIds = ShownIds();
  const TSaveReport report = entries_->Save([this](const TOtherChanges& other) { return AskAboutOtherChanges(other); });
  // The model may have loaded the key afresh: the rows follow it before the
  // list draws again behind the report's message.
  UpdateRows(shownIds);
  // The list would hide another program's values: show the key as it is.
  if (report.otherChanges) SortBy(0, true);
  ShowRows(selectedId);
  ReportSave(report);
  // After a failure the list still holds what the key lacks.
  RegChanged = !report.failures.empty();
}
