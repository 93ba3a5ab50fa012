// The services model against the real service manager: what it lists, the
// start values it takes and gives back, another tool's change, and a
// service that cannot be changed.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "services/ServiceEntries.h"
#include "services/ServiceProgram.h"
#include "support/Tools.h"
#include "support/WideText.h"
#include "tests/ScratchFolder.h"
#include "tests/TestService.h"

namespace {

constexpr char kMemory[] = "Velmora-deaktiviert";

class ServiceEntriesTest : public testing::Test {
 protected:
  ServiceEntriesTest() { WriteFileBytes(folder.File("dienst.exe"), "MZ"); }

  const TServiceEntry* Listed(const std::wstring& name) {
    for (const TServiceEntry& service : services.Entries())
      if (service.entry.name == name) return &service;
    return nullptr;
  }
  TServiceEdit Switch(const std::wstring& name, bool on) {
    services.Load();
    const TServiceEntry* service = Listed(name);
    EXPECT_TRUE(service) << AnsiFromWide(name) << " not listed";
    return service ? services.Switch(*service, on) : TServiceEdit{TServiceOutcome::Failed};
  }
  // The 9x family has no service manager: the model asks it nothing and
  // refuses every switch, whatever service it is handed.
  void ExpectLeftAloneOn9x(const TTestService& service) {
    services.Load();
    EXPECT_FALSE(services.Available());
    EXPECT_TRUE(services.Entries().empty());
    TServiceEntry handed;
    handed.entry.name = service.Name();
    EXPECT_EQ(services.Switch(handed, false).outcome, TServiceOutcome::NotAllowed);
    EXPECT_EQ(ServiceDword(service.Name(), "", "Start"), SERVICE_AUTO_START);
  }

  TScratchFolder folder{"Dienste"};
  std::wstring program = WideFromAnsi(folder.File("dienst.exe"));
  TServiceEntries services;
};

TEST_F(ServiceEntriesTest, ListsTheAutomaticServicesAndThoseSwitchedOffButNoOtherAndNothingOnThe9xFamily) {
  TTestService automatic(L"VelmoraTestAuto", L"\"" + program + L"\" -dienst", SERVICE_AUTO_START);
  TTestService delayed(L"VelmoraTestDelayed", program, SERVICE_AUTO_START, true);
  TTestService manual(L"VelmoraTestManual", program, SERVICE_DEMAND_START);
  TTestService disabled(L"VelmoraTestDisabled", program, SERVICE_DISABLED);
  if (!IsWinNT) return ExpectLeftAloneOn9x(automatic);
  services.Load();
  ASSERT_TRUE(services.Available());
  EXPECT_TRUE(services.MayChange());
  struct TCase {
    std::wstring name;
    bool listed;
    TStartValues start;
  };
  for (const TCase& expected : std::vector<TCase>{{L"VelmoraTestAuto", true, {2, 0}},
                                                  {L"VelmoraTestDelayed", true, {2, 1}},
                                                  {L"VelmoraTestManual", false, {}},
                                                  {L"VelmoraTestDisabled", false, {}}}) {
    const TServiceEntry* service = Listed(expected.name);
    ASSERT_EQ(service != nullptr, expected.listed) << AnsiFromWide(expected.name);
    if (!service) continue;
    EXPECT_EQ(service->start, expected.start) << AnsiFromWide(expected.name);
    EXPECT_EQ(service->entry.state, TEntryState::On);
    EXPECT_EQ(service->displayName, expected.name + L" (Test)");
    EXPECT_EQ(service->programFile, program);
    EXPECT_FALSE(service->fromWindows);
  }
  EXPECT_EQ(Listed(L"VelmoraTestAuto")->entry.command, L"\"" + program + L"\" -dienst") << "as stored";
}

// More services than one answer of the service manager holds (Wine's gives
// its first part again and again) are each listed once, read in parts at
// the same time.
TEST_F(ServiceEntriesTest, MoreServicesThanOneAnswerHoldsAreEachListedOnce) {
  if (!IsWinNT) GTEST_SKIP() << "the 9x family has no service manager";
  std::vector<std::unique_ptr<TTestService>> many;
  for (int i = 0; i < 700; ++i)
    many.push_back(std::make_unique<TTestService>(L"VelmoraViele" + std::to_wstring(i), program, SERVICE_AUTO_START));
  services.Load();
  std::map<std::wstring, int> listed;
  for (const TServiceEntry& service : services.Entries()) ++listed[service.entry.name];
  for (const auto& service : many) EXPECT_EQ(listed[service->Name()], 1) << AnsiFromWide(service->Name());
  EXPECT_TRUE(std::is_sorted(services.Entries().begin(), services.Entries().end(), [](const auto& a, const auto& b) {
    return NameIdentity(a.displayName) < NameIdentity(b.displayName);
  }));
}

TEST_F(ServiceEntriesTest, SwitchedOffAndOnItsKeyHoldsExactlyItsValuesFromBefore) {
  for (bool delayedStart : {false, true}) {
    TTestService service(L"VelmoraTestRoundTrip", program, SERVICE_AUTO_START, delayedStart);
    if (!IsWinNT) return ExpectLeftAloneOn9x(service);
    const auto before = ServiceKeyValues(service.Name());
    EXPECT_EQ(Switch(service.Name(), false).outcome, TServiceOutcome::Done);
    EXPECT_EQ(ServiceDword(service.Name(), "", "Start"), SERVICE_DEMAND_START);
    EXPECT_EQ(ServiceDword(service.Name(), kMemory, "Start"), SERVICE_AUTO_START);
    EXPECT_EQ(ServiceDword(service.Name(), kMemory, "DelayedAutostart"), delayedStart ? 1 : 0);
    services.Load();
    ASSERT_TRUE(Listed(service.Name()));
    EXPECT_EQ(Listed(service.Name())->entry.state, TEntryState::OffByVelmora);
    EXPECT_EQ(Listed(service.Name())->start, (TStartValues{2, delayedStart ? 1u : 0u}));

    EXPECT_EQ(Switch(service.Name(), true).outcome, TServiceOutcome::Done);
    EXPECT_EQ(ServiceKeyValues(service.Name()), before) << (delayedStart ? "delayed" : "automatic");
    EXPECT_EQ(ServiceDword(service.Name(), kMemory, "Start"), -1) << "the memory goes once it is given back";
  }
}

// Another tool's change is reported and stays; a refused change leaves the
// service and the memory as they were.
TEST_F(ServiceEntriesTest, AnotherToolsChangeStaysAndARefusedChangeLeavesNothingHalfWritten) {
  struct TCase {
    const char* what;
    bool startOff;  // switched off by Velmora before the load
    bool on;        // the switch the user makes
    bool otherTool;  // else the service manager refuses
    TServiceOutcome outcome;
    DWORD startAfter;
    long long memoryAfter;
  };
  const TCase cases[] = {
      {"disabled by another tool, then switched off", false, false, true, TServiceOutcome::ChangedMeanwhile,
       SERVICE_DISABLED, -1},
      {"made automatic by another tool, then switched on", true, true, true, TServiceOutcome::ChangedMeanwhile,
       SERVICE_AUTO_START, SERVICE_AUTO_START},
      {"refused while switched off", false, false, false, TServiceOutcome::Failed, SERVICE_AUTO_START, -1},
      {"refused while switched on", true, true, false, TServiceOutcome::Failed, SERVICE_DEMAND_START,
       SERVICE_AUTO_START},
  };
  for (const TCase& c : cases) {
    TTestService service(L"VelmoraTestOther", program, SERVICE_AUTO_START);
    if (!IsWinNT) return ExpectLeftAloneOn9x(service);
    if (c.startOff) {
      ASSERT_EQ(Switch(service.Name(), false).outcome, TServiceOutcome::Done) << c.what;
    }
    services.Load();
    const TServiceEntry loaded = *Listed(service.Name());
    if (c.otherTool) service.SetStart(c.startAfter);
    else service.MarkForDeletion();
    const TServiceEdit edit = services.Switch(loaded, c.on);
    EXPECT_EQ(edit.outcome, c.outcome) << c.what;
    if (!c.otherTool) {
      EXPECT_EQ(edit.step, TServiceStep::ChangeStart) << c.what;
      EXPECT_EQ(edit.error, static_cast<DWORD>(ERROR_SERVICE_MARKED_FOR_DELETE)) << c.what;
    }
    EXPECT_EQ(ServiceDword(service.Name(), "", "Start"), c.startAfter) << c.what;
    EXPECT_EQ(ServiceDword(service.Name(), kMemory, "Start"), c.memoryAfter) << c.what;
  }
}

TEST(ServiceProgramTest, FindsTheProgramFileOfAnImagePathAsTheServiceManagerReadsIt) {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::wstring folder = WideFromAnsi(windows);
  const std::wstring notepad = folder + L"\\system32\\notepad.exe";
  struct TCase {
    std::wstring imagePath, file;
  };
  for (const TCase& c : std::vector<TCase>{
           {L"\"" + notepad + L"\" -k netsvcs", notepad},
           {notepad + L" -k netsvcs", notepad},
           {L"%SystemRoot%\\system32\\notepad.exe", notepad},
           {L"\\SystemRoot\\system32\\notepad.exe", notepad},
           {L"system32\\notepad.exe", notepad},
           {L"\\??\\" + notepad, notepad},
           {L"C:\\Fehlt Hier\\dienst.exe /start", L"C:\\Fehlt Hier\\dienst.exe"},
       })
    EXPECT_EQ(ServiceProgramFile(c.imagePath), c.file) << AnsiFromWide(c.imagePath);
}

TEST(ServiceProgramTest, TellsWindowsOwnServicesByFolderAndMakerTogether) {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::wstring system = WideFromAnsi(windows) + L"\\system32\\dienst.exe";
  struct TCase {
    std::wstring file, company;
    bool fromWindows;
  };
  for (const TCase& c : std::vector<TCase>{{system, L"Microsoft Corporation", true},
                                           {system, L"Druckerei GmbH", false},
                                           {system, L"", false},
                                           {L"C:\\Programme\\Dienst\\dienst.exe", L"Microsoft Corporation", false}})
    EXPECT_EQ(BelongsToWindows(c.file, c.company), c.fromWindows) << AnsiFromWide(c.file + L" " + c.company);
  EXPECT_EQ(CompanyOf(WideFromAnsi(ProgramFileName())), L"Velmora-Team") << "from the version resource";
  EXPECT_EQ(CompanyOf(system), L"") << "a file that is missing";
}

}  // namespace
