#include "app/AdminCommands.h"

#include <algorithm>

#include "app/StartupListing.h"
#include "support/EntryComparison.h"
#include "support/StandardStreams.h"
#include "support/WholeFile.h"
#include "support/WideText.h"
#include "toolkit/Interaction.h"

namespace {

constexpr int kAllWell = 0;
constexpr int kFound = 1;
constexpr int kFailed = 2;

// On standard error where there is one, otherwise in the error box.
int Fail(const std::string& why) {
  TStandardStream error(TStreamKind::Error);
  if (!error.Usable() || !error.WriteMessage(why + "\r\n")) ShowError(why);
  return kFailed;
}

// The file named, or standard output without a name.
int Deliver(const std::wstring& fileName, const std::string& bytes, int result) {
  if (!fileName.empty()) {
    if (WriteWholeFile(fileName, bytes) != TWriteResult::Written)
      return Fail(AdminCommandTexts::CannotWrite(AnsiFromWide(fileName)));
    return result;
  }
  TStandardStream output(TStreamKind::Output);
  if (!output.Usable()) return Fail(AdminCommandTexts::kNoStandardOutput);
  if (!output.WriteUtf8(bytes)) return Fail(AdminCommandTexts::kStandardOutputFailed);
  return result;
}

bool AnyMissing(const std::vector<TListedEntry>& entries) {
  return std::any_of(entries.begin(), entries.end(),
                     [](const TListedEntry& entry) { return entry.present == EntryListTexts::kMissing; });
}

int ListEntries(const TAdminCommand& command) {
  const std::vector<TListedEntry> entries = ListStartupEntries();
  return Deliver(command.output, EntryListText(entries), AnyMissing(entries) ? kFound : kAllWell);
}

int CompareEntries(const TAdminCommand& command) {
  const std::string previousName = AnsiFromWide(command.previousList);
  std::string bytes;
  if (!ReadWholeFile(command.previousList, bytes)) return Fail(AdminCommandTexts::CannotRead(previousName));
  std::vector<TListedEntry> before;
  if (!ReadEntryList(bytes, before)) return Fail(AdminCommandTexts::NotAList(previousName));
  const std::vector<TEntryChange> changes = CompareEntryLists(before, ListStartupEntries());
  return Deliver(command.output, EntryChangesText(changes), changes.empty() ? kAllWell : kFound);
}

int ShowUsage() {
  TStandardStream output(TStreamKind::Output);
  if (!output.Usable() || !output.WriteMessage(CommandLineTexts::kUsage)) ShowInfo(CommandLineTexts::kUsage);
  return kAllWell;
}

}  // namespace

int RunAdminCommand(const TAdminCommand& command) {
  switch (command.kind) {
    case TAdminCommandKind::List:
      return ListEntries(command);
    case TAdminCommandKind::Compare:
      return CompareEntries(command);
    case TAdminCommandKind::Usage:
      return ShowUsage();
    case TAdminCommandKind::Invalid:
    case TAdminCommandKind::Window:
      break;
  }
  return Fail(command.error);
}

std::string AdminCommandTexts::CannotWrite(const std::string& fileName) {
  return "Konnte die Datei \"" + fileName + "\" nicht schreiben.";
}

std::string AdminCommandTexts::CannotRead(const std::string& fileName) {
  return "Konnte die Datei \"" + fileName + "\" nicht lesen.";
}

std::string AdminCommandTexts::NotAList(const std::string& fileName) {
  return "Die Datei \"" + fileName + "\" ist keine Liste, wie \"velmora.exe /liste\" sie schreibt.";
}
