// The tasks model against task files in Wine's own Tasks folder, written as
// Windows writes them: what it lists and how it reads it, the files it
// cannot read, that reading changes nothing, and a switch that Wine's
// scheduler does not carry out.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "support/Tools.h"
#include "support/WideText.h"
#include "tasks/TaskEntries.h"
#include "tests/TestTasks.h"

namespace {

const std::wstring kProgram = L"C:\\Programme\\Hersteller GmbH\\Aktualisierung.exe";
const std::wstring kTasks = TTestTasks::kFolder;

struct TSeedCase {
  std::wstring name;
  TTaskEncoding encoding;
  TTaskXml task;
};

// What the model makes of a file: not listed (nullopt) or read so.
struct TListedCase {
  std::wstring path;
  TTaskReading reading;
  bool enabled;
  std::vector<TTaskAction> actions;
  std::wstring author, user;
};

const std::vector<TSeedCase> kSeeds = {
    {L"Anmeldung", TTaskEncoding::Utf16,
     {kLogonTrigger, L"true", {{kProgram, L"/still --Zeit=\"5 & 6\""}, {L"%windir%\\system32\\cmd.exe", L""}},
      L"Jörg Müller"}},
    {L"Systemstart", TTaskEncoding::Utf8WithMark,
     {kDailyTrigger + kBootTrigger, L"", {{L"\"C:\\Fehlt\\dienst.exe\"", L"-boot"}}, L"Hersteller",
      L"<GroupId>S-1-5-32-545</GroupId>"}},
    {L"Aus", TTaskEncoding::Utf16, {kLogonTrigger, L"false", {{kProgram, L""}}}},
    {L"Unter\\Tiefer", TTaskEncoding::Utf8, {kLogonTrigger, L" 1 ", {{kProgram, L""}}}},
    {L"AusloeserAus", TTaskEncoding::Utf16,
     {L"<LogonTrigger><Enabled>false</Enabled></LogonTrigger>" + kDailyTrigger, L"true", {{kProgram, L""}}}},
    {L"Taeglich", TTaskEncoding::Utf16, {kDailyTrigger, L"true", {{kProgram, L""}}}},
    {L"Zulang", TTaskEncoding::Utf16, {kLogonTrigger, L"true", {{kProgram, std::wstring(40000, L'x')}}}},
};

// Broken files, as a crash, a full disk or another program leaves them.
struct TRawCase {
  std::wstring name;
  std::string bytes;
};

std::vector<TRawCase> RawSeeds() {
  const std::string whole = TaskFileBytes({kLogonTrigger, L"true", {{kProgram, L""}}}, TTaskEncoding::Utf16);
  return {{L"Abgeschnitten", whole.substr(0, whole.size() / 2)},
          {L"Kaputt", "<?xml version=\"1.0\"?><Task><Actions></Task></Actions>"},
          {L"Ampersand", "<?xml version=\"1.0\"?><Task><Triggers><BootTrigger/></Triggers><Actions><Exec>"
                         "<Command>a & b</Command></Exec></Actions></Task>"},
          {L"KeinTask", "\xEF\xBB\xBF<?xml version=\"1.0\"?><Konfiguration><BootTrigger/></Konfiguration>"},
          {L"Leer", ""}};
}

const std::vector<TListedCase> kListed = {
    {kTasks + L"\\Abgeschnitten", TTaskReading::NotWellFormed, true, {}, L"", L""},
    {kTasks + L"\\Ampersand", TTaskReading::NotWellFormed, true, {}, L"", L""},
    {kTasks + L"\\Anmeldung", TTaskReading::Read, true,
     {{kProgram, L"/still --Zeit=\"5 & 6\""}, {L"%windir%\\system32\\cmd.exe", L""}}, L"Jörg Müller", L"S-1-5-18"},
    {kTasks + L"\\Aus", TTaskReading::Read, false, {{kProgram, L""}}, L"Hersteller", L"S-1-5-18"},
    {kTasks + L"\\Kaputt", TTaskReading::NotWellFormed, true, {}, L"", L""},
    {kTasks + L"\\KeinTask", TTaskReading::NotATask, true, {}, L"", L""},
    {kTasks + L"\\Leer", TTaskReading::NotWellFormed, true, {}, L"", L""},
    {kTasks + L"\\Systemstart", TTaskReading::Read, true, {{L"\"C:\\Fehlt\\dienst.exe\"", L"-boot"}}, L"Hersteller",
     L"S-1-5-32-545"},
    {kTasks + L"\\Unter\\Tiefer", TTaskReading::Read, true, {{kProgram, L""}}, L"Hersteller", L"S-1-5-18"},
    {kTasks + L"\\Zulang", TTaskReading::Overlong, true, {}, L"", L""},
};

class TaskEntriesTest : public testing::Test {
 protected:
  TaskEntriesTest() {
    for (const TSeedCase& seed : kSeeds) seeded.Write(seed.name, TaskFileBytes(seed.task, seed.encoding));
    for (const TRawCase& seed : RawSeeds()) seeded.Write(seed.name, seed.bytes);
  }

  // Only the test's own: Wine may have tasks of its own.
  std::vector<const TTaskEntry*> Own() const {
    std::vector<const TTaskEntry*> own;
    for (const TTaskEntry& task : tasks.Entries())
      if (task.path.rfind(kTasks + L"\\", 0) == 0) own.push_back(&task);
    return own;
  }
  const TTaskEntry& Listed(const std::wstring& name) const {
    for (const TTaskEntry* task : Own())
      if (task->path == kTasks + L"\\" + name) return *task;
    ADD_FAILURE() << AnsiFromWide(name) << " not listed";
    static const TTaskEntry none;
    return none;
  }

  TTestTasks seeded;
  TTaskEntries tasks;
};

TEST_F(TaskEntriesTest, ListsTheTasksThatStartWithWindowsAndEveryUnreadableFileWithoutChangingAnything) {
  const std::vector<TTestTasks::TFileState> before = TTestTasks::Snapshot();
  tasks.Load();
  EXPECT_EQ(TTestTasks::Snapshot(), before) << "reading changes nothing";
  if (!IsWinNT) {
    EXPECT_FALSE(tasks.Available());
    EXPECT_TRUE(tasks.Entries().empty());
    return;
  }
  ASSERT_TRUE(tasks.Available());
  const std::vector<const TTaskEntry*> own = Own();
  ASSERT_EQ(own.size(), kListed.size()) << "in order of path; a daily task and a switched-off trigger are none";
  for (size_t i = 0; i < kListed.size(); ++i) {
    const TListedCase& expected = kListed[i];
    const TTaskEntry& task = *own[i];
    const std::string name = AnsiFromWide(expected.path);
    EXPECT_EQ(task.path, expected.path);
    EXPECT_EQ(task.reading, expected.reading) << name;
    if (task.reading != TTaskReading::Read) {
      EXPECT_TRUE(task.definition.author.empty() && task.definition.actions.empty()) << name << ": nothing of it shown";
      continue;
    }
    EXPECT_EQ(task.definition.enabled, expected.enabled) << name;
    ASSERT_EQ(task.definition.actions.size(), expected.actions.size()) << name;
    for (size_t a = 0; a < expected.actions.size(); ++a) {
      EXPECT_EQ(task.definition.actions[a].command, expected.actions[a].command) << name;
      EXPECT_EQ(task.definition.actions[a].arguments, expected.actions[a].arguments) << name;
    }
    EXPECT_EQ(task.definition.author, expected.author) << name;
    EXPECT_EQ(task.definition.user, expected.user) << name;
  }
}

// A command is one program file, blanks and all, quoted or not, with its
// environment variables as the scheduler expands them.
TEST_F(TaskEntriesTest, FindsTheProgramFilesOfTheActionsAndNamesThoseThatAreMissing) {
  tasks.Load();
  if (!IsWinNT) return;
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  EXPECT_EQ(Listed(L"Anmeldung").programFiles, (std::vector<std::wstring>{kProgram, system + std::wstring(L"\\cmd.exe")}));
  EXPECT_EQ(TTaskEntries::MissingPrograms(Listed(L"Anmeldung")), std::vector<std::wstring>{kProgram});
  EXPECT_EQ(TTaskEntries::MissingPrograms(Listed(L"Systemstart")), std::vector<std::wstring>{L"C:\\Fehlt\\dienst.exe"});
  EXPECT_TRUE(TTaskEntries::MissingPrograms(Listed(L"Kaputt")).empty()) << "an unreadable file names no program";
}

// Wine's scheduler answers a switch with success and changes nothing: the
// model believes it only when the scheduler then has it, and never writes
// the file itself. A file that was not read is not switched at all; one
// switched by another program since the load is left alone.
TEST_F(TaskEntriesTest, ASwitchThatTheSchedulerDoesNotCarryOutIsReportedAndNoFileChanges) {
  tasks.Load();
  if (!IsWinNT) return;
  const std::vector<TTestTasks::TFileState> before = TTestTasks::Snapshot();
  struct TSwitchCase {
    std::wstring name;
    bool on;
    TTaskOutcome outcome;
  };
  for (const TSwitchCase& expected : std::vector<TSwitchCase>{{L"Anmeldung", false, TTaskOutcome::NotSwitchable},
                                                              {L"Aus", true, TTaskOutcome::NotSwitchable},
                                                              {L"Anmeldung", true, TTaskOutcome::Done},
                                                              {L"Kaputt", false, TTaskOutcome::NotReadable}})
    EXPECT_EQ(tasks.Switch(Listed(expected.name), expected.on).outcome, expected.outcome)
        << AnsiFromWide(expected.name) << (expected.on ? " on" : " off");
  EXPECT_EQ(TTestTasks::Snapshot(), before);

  seeded.Write(L"Aus", TaskFileBytes({kLogonTrigger, L"true", {{kProgram, L""}}}, TTaskEncoding::Utf16));
  EXPECT_EQ(tasks.Switch(Listed(L"Aus"), true).outcome, TTaskOutcome::ChangedMeanwhile);
}

}  // namespace
