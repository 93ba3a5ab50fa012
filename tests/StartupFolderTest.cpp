// The start-up folder's model without any window: what it lists, and every
// edit against the real file system, with what was already there.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <string>
#include <vector>

#include "pages/StartupFolder.h"
#include "support/SwitchedOffEntries.h"
#include "support/Tools.h"
#include "support/WideText.h"
#include "support/WindowsVersion.h"
#include "tests/FakeInteraction.h"
#include "tests/RegistrySandbox.h"
#include "tests/ScratchFolder.h"

namespace {

struct TListed {
  std::string name;
  bool on;
  bool operator==(const TListed&) const = default;
};
std::ostream& operator<<(std::ostream& out, const TListed& entry) {
  return out << entry.name << (entry.on ? " (an)" : " (wartet)");
}
using TListing = std::vector<TListed>;

TFolderEntry Entry(const std::string& name, bool on) { return {WideFromAnsi(name), on}; }

class StartupFolderTest : public testing::Test {
 protected:
  StartupFolderTest() {
    CoInitialize(nullptr);
    WriteFileBytes(program, "MZ");
  }
  ~StartupFolderTest() override { CoUninitialize(); }

  // A shortcut to the program, in the folder or waiting, with its bytes.
  std::string Link(const std::string& name, bool on = true, DWORD attributes = FILE_ATTRIBUTE_ARCHIVE) {
    if (!on) CreateDirectoryA(Waiting("").c_str(), nullptr);
    const std::string file = on ? startup.File(name) : Waiting(name);
    EXPECT_TRUE(TShellLink().CreateLink(file, program));
    SetFileAttributesA(file.c_str(), attributes);
    return ReadFileBytes(file);
  }
  std::string Waiting(const std::string& name) { return SwitchedOffFolder(startup.Path()) + name; }
  TListing Listing() {
    folder.Load();
    TListing listing;
    for (const TFolderEntry& entry : folder.Entries()) listing.push_back({AnsiFromWide(entry.name), entry.on});
    return listing;
  }
  std::string TargetOf(const std::string& linkFile) {
    TShellLink link;
    return link.ReadLink(linkFile) ? link.Target : "(keine Verknüpfung)";
  }

  TFakeInteraction dialogs;  // the model asks nothing: nothing may be shown
  TScratchFolder programs{"folder-programs"}, startup{"folder-startup"};
  std::string program = programs.File("Werkzeug.exe");
  TStartupFolder folder{startup.Path(), TStartupScope::CurrentUser};
};

TEST_F(StartupFolderTest, ListsTheShortcutFilesOfTheFolderThenThoseWaitingAndNoFolders) {
  Link("Zebra.lnk");
  Link("Versteckt.lnk", true, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  Link("Wartet.lnk", false);
  WriteFileBytes(startup.File("Notiz.txt"), "keine Verknüpfung");
  CreateDirectoryA(startup.File("Ordner.lnk").c_str(), nullptr);
  CreateDirectoryA(Waiting("Auch ein Ordner.lnk").c_str(), nullptr);
  TListing listing = Listing();
  std::sort(listing.begin(), listing.end(), [](auto& a, auto& b) { return a.on != b.on ? a.on : a.name < b.name; });
  EXPECT_EQ(listing, (TListing{{"Versteckt.lnk", true}, {"Zebra.lnk", true}, {"Wartet.lnk", false}}));
  EXPECT_EQ(folder.Folder(), startup.Path() + "\\");
  EXPECT_TRUE(folder.Starts(folder.Entries()[0]));
  EXPECT_FALSE(folder.Starts(folder.Entries()[2]));
  ExpectShown(dialogs, {});
}

TEST_F(StartupFolderTest, SwitchingOffAndOnKeepsTheShortcutsBytesAndAttributesAndLeavesNoSubFolder) {
  const DWORD attributeCases[] = {
      FILE_ATTRIBUTE_ARCHIVE,
      FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM,
      FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN,
  };
  for (DWORD attributes : attributeCases) {
    SCOPED_TRACE(attributes);
    const std::string bytes = Link("Werkzeug.lnk", true, attributes);
    const DWORD stored = GetFileAttributesA(startup.File("Werkzeug.lnk").c_str());  // Wine adds the archive mark
    ASSERT_EQ(stored & attributes, attributes);

    EXPECT_EQ(folder.Switch(Entry("Werkzeug.lnk", true), false).outcome, TFolderOutcome::Done);
    EXPECT_FALSE(FileExists(startup.File("Werkzeug.lnk")));
    EXPECT_EQ(ReadFileBytes(Waiting("Werkzeug.lnk")), bytes);
    EXPECT_EQ(GetFileAttributesA(Waiting("Werkzeug.lnk").c_str()), stored);
    EXPECT_EQ(Listing(), (TListing{{"Werkzeug.lnk", false}}));

    EXPECT_EQ(folder.Switch(folder.Entries()[0], true).outcome, TFolderOutcome::Done);
    EXPECT_EQ(ReadFileBytes(startup.File("Werkzeug.lnk")), bytes);
    EXPECT_EQ(GetFileAttributesA(startup.File("Werkzeug.lnk").c_str()), stored);
    EXPECT_FALSE(FileExists(SwitchedOffFolder(startup.Path()))) << "the empty sub-folder is left behind";
    SetFileAttributesA(startup.File("Werkzeug.lnk").c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(startup.File("Werkzeug.lnk").c_str());
  }
  ExpectShown(dialogs, {});
}

// Each edit meets a shortcut of its name where it would put one: the user's
// own (listed both on and waiting) or one another program put there after
// the list was read. Without replace nothing changes; with it the edit takes
// that place, and only that one.
TEST_F(StartupFolderTest, AnEditMeetingAShortcutOfItsNameChangesNothingUntilItMayReplaceIt) {
  enum class TEditKind { SwitchOn, SwitchOff, Add };
  const struct {
    const char* name;
    TEditKind edit;
    bool otherOn;  // where the other shortcut of the name is
    bool replace;
  } cases[] = {
      {"EinAuf.lnk", TEditKind::SwitchOn, true, false},    {"EinJa.lnk", TEditKind::SwitchOn, true, true},
      {"AusAuf.lnk", TEditKind::SwitchOff, false, false},  {"AusJa.lnk", TEditKind::SwitchOff, false, true},
      {"NeuDa.lnk", TEditKind::Add, true, false},          {"NeuDaJa.lnk", TEditKind::Add, true, true},
      {"NeuWartet.lnk", TEditKind::Add, false, false},     {"NeuWartetJa.lnk", TEditKind::Add, false, true},
  };
  const std::string other = programs.File("Anderes.exe");
  WriteFileBytes(other, "MZ");
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    const std::string otherFile = test.otherOn ? startup.File(test.name) : Waiting(test.name);
    const std::string mineFile = test.otherOn ? Waiting(test.name) : startup.File(test.name);
    if (test.edit != TEditKind::Add) Link(test.name, !test.otherOn);
    CreateDirectoryA(Waiting("").c_str(), nullptr);
    ASSERT_TRUE(TShellLink().CreateLink(otherFile, other));  // meanwhile, by another program
    const std::string mine = ReadFileBytes(mineFile), others = ReadFileBytes(otherFile);

    TFolderEdit edit;
    const std::string base = std::string(test.name).substr(0, std::string(test.name).size() - 4);
    if (test.edit == TEditKind::Add) edit = folder.Add(base, program, TShellLink(), test.replace);
    else edit = folder.Switch(Entry(test.name, !test.otherOn), test.otherOn, test.replace);

    EXPECT_EQ(edit.outcome, test.replace ? TFolderOutcome::Done : TFolderOutcome::NameTaken);
    if (!test.replace) {
      EXPECT_EQ(ReadFileBytes(otherFile), others);
      if (test.edit != TEditKind::Add) {
        EXPECT_EQ(ReadFileBytes(mineFile), mine);
      }
      continue;
    }
    if (test.edit == TEditKind::Add) {
      EXPECT_EQ(TargetOf(startup.File(test.name)), program);
      EXPECT_FALSE(FileExists(Waiting(test.name))) << "one name, one entry";
    } else {
      EXPECT_EQ(ReadFileBytes(otherFile), mine);
      EXPECT_FALSE(FileExists(mineFile));
    }
  }
  ExpectShown(dialogs, {});
}

// Another program removed the shortcut after the list was read: nothing is
// made up in its place.
TEST_F(StartupFolderTest, AShortcutRemovedMeanwhileIsGoneForEveryEditAndNothingAppears) {
  const TFolderEntry on = Entry("Weg.lnk", true), waiting = Entry("AuchWeg.lnk", false);
  EXPECT_EQ(folder.Switch(on, false).outcome, TFolderOutcome::Gone);
  EXPECT_EQ(folder.Switch(waiting, true).outcome, TFolderOutcome::Gone);
  EXPECT_EQ(folder.Remove(on).outcome, TFolderOutcome::Gone);
  EXPECT_EQ(folder.Remove(waiting).error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(Listing(), TListing{});
  EXPECT_FALSE(FileExists(SwitchedOffFolder(startup.Path())));
}

// Windows refuses to delete a read-only file, so replacing cannot happen.
TEST_F(StartupFolderTest, ReplacingThatFailsGivesTheErrorCodeAndLosesNeitherShortcut) {
  const std::string waiting = Link("Werkzeug.lnk", false);
  WriteFileBytes(startup.File("Werkzeug.lnk"), "neu");
  SetFileAttributesA(startup.File("Werkzeug.lnk").c_str(), FILE_ATTRIBUTE_READONLY);
  const TFolderEdit edit = folder.Switch(Entry("Werkzeug.lnk", false), true, true);
  EXPECT_EQ(edit.outcome, TFolderOutcome::Failed);
  EXPECT_EQ(edit.error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(ReadFileBytes(startup.File("Werkzeug.lnk")), "neu");
  EXPECT_EQ(ReadFileBytes(Waiting("Werkzeug.lnk")), waiting);
}

TEST_F(StartupFolderTest, RemovingDeletesTheFileWhereItIsAndAReadOnlyOneStays) {
  Link("Eins.lnk");
  Link("Zwei.lnk", false);
  Link("Fest.lnk", true, FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(folder.Remove(Entry("Zwei.lnk", false)).outcome, TFolderOutcome::Done);
  EXPECT_FALSE(FileExists(SwitchedOffFolder(startup.Path())));
  const TFolderEdit refused = folder.Remove(Entry("Fest.lnk", true));
  EXPECT_EQ(refused.outcome, TFolderOutcome::Failed);
  EXPECT_EQ(refused.error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
  TListing listing = Listing();
  std::sort(listing.begin(), listing.end(), [](auto& a, auto& b) { return a.name < b.name; });
  EXPECT_EQ(listing, (TListing{{"Eins.lnk", true}, {"Fest.lnk", true}}));
}

// Names that would write no file, a device, or a file outside the folder.
TEST_F(StartupFolderTest, NamesThatCannotNameAShortcutOfTheFolderAreRefusedAndNothingIsWritten) {
  const struct {
    const char* name;
    TShortcutNameFault fault;
  } cases[] = {
      {"NUL", TShortcutNameFault::DeviceName},         {"com1", TShortcutNameFault::DeviceName},
      {"Lpt9.txt", TShortcutNameFault::DeviceName},    {"CON ", TShortcutNameFault::DeviceName},
      {"aux.alt.lnk", TShortcutNameFault::DeviceName}, {"Prn", TShortcutNameFault::DeviceName},
      {"..\\Neben", TShortcutNameFault::LeavesFolder}, {"Unter/Ordner", TShortcutNameFault::LeavesFolder},
      {"..", TShortcutNameFault::LeavesFolder},        {"C:\\Neben", TShortcutNameFault::LeavesFolder},
      {"Was?", TShortcutNameFault::ForbiddenCharacter}, {"*", TShortcutNameFault::ForbiddenCharacter},
      {"C:Neben", TShortcutNameFault::ForbiddenCharacter}, {"\"Zitat\"", TShortcutNameFault::ForbiddenCharacter},
      {"<a>", TShortcutNameFault::ForbiddenCharacter}, {"a|b", TShortcutNameFault::ForbiddenCharacter},
      {"Tab\there", TShortcutNameFault::ForbiddenCharacter},
      {"CLOCK$", IsWinNT ? TShortcutNameFault::None : TShortcutNameFault::DeviceName},
      {"COM10", TShortcutNameFault::None},             {"Nullpunkt", TShortcutNameFault::None},
      {"LPT0", TShortcutNameFault::None},              {"Ein Programm. Zwei", TShortcutNameFault::None},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    EXPECT_EQ(ShortcutNameFault(test.name, !IsWinNT), test.fault);
    if (test.fault == TShortcutNameFault::None) continue;
    const TFolderEdit edit = folder.Add(test.name, program, TShellLink());
    EXPECT_EQ(edit.outcome, TFolderOutcome::Refused);
    EXPECT_EQ(edit.fault, test.fault);
  }
  EXPECT_EQ(Listing(), TListing{});
  EXPECT_FALSE(FileExists(programs.Path() + "\\..\\Neben.lnk"));
  EXPECT_FALSE(FileExists(startup.Path() + "\\..\\Neben.lnk"));
  ExpectShown(dialogs, {});
}

// Ticked means started, for Windows too: switching on a shortcut its task
// manager switched off lets Windows start it again, also one that waited in
// the sub-folder, by its real name whatever script it is in.
TEST_F(StartupFolderTest, SwitchingOnLetsWindowsStartWhatItsTaskManagerSwitchedOff) {
  if (!IsWin8OrLater()) GTEST_SKIP() << "Windows switches shortcuts off from Windows 8 on";
  TStartupApprovedValues approved;
  const std::string list = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder";
  const std::wstring foreign = L"\u041f\u0440\u043e\u0433.lnk";
  Link("Aus.lnk");
  Link("Wartet.lnk", false);
  Link("Neu.lnk");
  ASSERT_TRUE(MoveFileW(WideFromAnsi(startup.File("Neu.lnk")).c_str(),
                        (WideFromAnsi(startup.Path() + "\\") + foreign).c_str()));
  for (const char* name : {"Aus.lnk", "Wartet.lnk"})
    approved.SwitchOff(HKEY_CURRENT_USER, "StartupFolder", name, LocalTime(2026, 12, 8, 10, 15));
  StoreWideValue(HKEY_CURRENT_USER, list, {foreign, std::string("\x03\0\0\0", 4) + std::string(8, '\x01'), REG_BINARY});
  folder.Load();
  for (const TFolderEntry& entry : folder.Entries()) EXPECT_FALSE(folder.Starts(entry));

  for (const TFolderEntry& entry : std::vector<TFolderEntry>(folder.Entries())) {
    const TFolderEdit edit = folder.Switch(entry, true);
    EXPECT_EQ(edit.outcome, TFolderOutcome::Done);
    EXPECT_FALSE(edit.windowsStillOff);
  }
  for (const char* name : {"Aus.lnk", "Wartet.lnk"})
    EXPECT_EQ(TStartupApprovedValues::Bytes(HKEY_CURRENT_USER, "StartupFolder", name),
              TStartupApprovedValues::kSwitchedOn);
  std::vector<TWideValue> values = StoredWideValues(HKEY_CURRENT_USER, list);
  EXPECT_NE(std::find(values.begin(), values.end(), TWideValue{foreign, TStartupApprovedValues::kSwitchedOn, REG_BINARY}),
            values.end());
  folder.Load();
  for (const TFolderEntry& entry : folder.Entries()) EXPECT_TRUE(folder.Starts(entry));
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, list.c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  RegDeleteValueW(key, foreign.c_str());
  RegCloseKey(key);
  DeleteFileW((WideFromAnsi(startup.Path() + "\\") + foreign).c_str());
  ExpectShown(dialogs, {});
}

// Another user's language: the shortcut moves by the name found in the
// folder, not by its '?' form.
TEST_F(StartupFolderTest, AShortcutWhoseNameHasNoAnsiFormSwitchesOffAndOnUnchanged) {
  if (!IsWinNT) GTEST_SKIP() << "the 9x family names files in the ANSI code page only";
  const std::wstring name = L"\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u0430.lnk";
  const std::wstring active = WideFromAnsi(startup.Path()) + L"\\" + name;
  Link("Neu.lnk");
  ASSERT_TRUE(MoveFileW(WideFromAnsi(startup.File("Neu.lnk")).c_str(), active.c_str()));
  folder.Load();
  ASSERT_EQ(folder.Entries().size(), 1u);
  EXPECT_EQ(folder.Entries()[0].name, name);
  EXPECT_EQ(folder.Switch(folder.Entries()[0], false).outcome, TFolderOutcome::Done);
  EXPECT_EQ(GetFileAttributesW(active.c_str()), INVALID_FILE_ATTRIBUTES);
  folder.Load();
  EXPECT_EQ(folder.Switch(folder.Entries()[0], true).outcome, TFolderOutcome::Done);
  EXPECT_NE(GetFileAttributesW(active.c_str()), INVALID_FILE_ATTRIBUTES);
  DeleteFileW(active.c_str());
}

}  // namespace
