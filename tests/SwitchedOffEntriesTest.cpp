// Entries switched off and on again through the real registry and file
// system: kept byte for byte where they wait, and put back where they were.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <string>
#include <vector>

#include "registry/RunKeyPath.h"
#include "support/SheLink.h"
#include "support/SwitchedOffEntries.h"
#include "support/Tools.h"
#include "support/WideText.h"
#include "tests/FakeInteraction.h"
#include "tests/RegistrySandbox.h"
#include "tests/ScratchFolder.h"

namespace {

using TValues = std::vector<TStoredValue>;

std::string ReplaceQuestion(const std::string& name) {
  return "Es gibt bereits einen Eintrag \"" + name + "\". Soll er ersetzt werden?";
}

class SwitchedOffLinkTest : public testing::Test {
 protected:
  SwitchedOffLinkTest() {
    CoInitialize(nullptr);
    WriteFileBytes(folder.File("Werkzeug.exe"), "MZ");
  }
  ~SwitchedOffLinkTest() override { CoUninitialize(); }

  // A shortcut in the start-up folder, with the given attributes.
  std::string MakeLink(const std::string& name, DWORD attributes) {
    const std::string file = startup.File(name);
    TShellLink().CreateLink(file, folder.File("Werkzeug.exe"));
    SetFileAttributesA(file.c_str(), attributes);
    return ReadFileBytes(file);
  }
  std::string Waiting(const std::string& name) { return SwitchedOffFolder(startup.Path()) + name; }

  TFakeInteraction dialogs;
  TScratchFolder folder{"switched-off-programs"}, startup{"switched-off-startup"};
};

TEST_F(SwitchedOffLinkTest, ShortcutWaitsInTheSubFolderAndComesBackWithItsBytesAndAttributes) {
  const DWORD attributeCases[] = {
      FILE_ATTRIBUTE_ARCHIVE,
      FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM,
      FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN,
  };
  for (DWORD attributes : attributeCases) {
    SCOPED_TRACE(attributes);
    const std::string bytes = MakeLink("Werkzeug.lnk", attributes);
    const DWORD stored = GetFileAttributesA(startup.File("Werkzeug.lnk").c_str());  // Wine adds the archive mark
    ASSERT_EQ(stored & attributes, attributes);

    EXPECT_TRUE(SwitchLink(startup.Path(), L"Werkzeug.lnk", false));
    EXPECT_FALSE(FileExists(startup.File("Werkzeug.lnk")));
    EXPECT_EQ(ReadFileBytes(Waiting("Werkzeug.lnk")), bytes);
    EXPECT_EQ(GetFileAttributesA(Waiting("Werkzeug.lnk").c_str()), stored);

    EXPECT_TRUE(SwitchLink(startup.Path(), L"Werkzeug.lnk", true));
    EXPECT_EQ(ReadFileBytes(startup.File("Werkzeug.lnk")), bytes);
    EXPECT_EQ(GetFileAttributesA(startup.File("Werkzeug.lnk").c_str()), stored);
    EXPECT_FALSE(FileExists(SwitchedOffFolder(startup.Path()))) << "the empty sub-folder is left behind";
    SetFileAttributesA(startup.File("Werkzeug.lnk").c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(startup.File("Werkzeug.lnk").c_str());
  }
  ExpectShown(dialogs, {});
}

TEST_F(SwitchedOffLinkTest, SwitchingOnAsksBeforeReplacingAShortcutThatExistsAgain) {
  const struct {
    TModalResult answer;
    const char* name;
  } cases[] = {{TModalResult::No, "Nein.lnk"}, {TModalResult::Yes, "Ja.lnk"}};
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    const std::string waiting = MakeLink(test.name, FILE_ATTRIBUTE_HIDDEN);
    SwitchLink(startup.Path(), WideFromAnsi(test.name), false);
    WriteFileBytes(startup.File(test.name), "neu");
    dialogs.ClearShown();
    dialogs.Answer({test.answer});

    EXPECT_EQ(SwitchLink(startup.Path(), WideFromAnsi(test.name), true), test.answer == TModalResult::Yes);
    ExpectShown(dialogs, {Question(ReplaceQuestion(test.name))});
    EXPECT_EQ(ReadFileBytes(startup.File(test.name)), test.answer == TModalResult::Yes ? waiting : "neu");
    EXPECT_EQ(FileExists(Waiting(test.name)), test.answer == TModalResult::No);
  }
}

// Windows refuses to delete a read-only file, so the replacing cannot happen.
TEST_F(SwitchedOffLinkTest, ReplacingThatFailsIsReportedAndLosesNeitherShortcut) {
  const std::string waiting = MakeLink("Werkzeug.lnk", FILE_ATTRIBUTE_ARCHIVE);
  SwitchLink(startup.Path(), L"Werkzeug.lnk", false);
  WriteFileBytes(startup.File("Werkzeug.lnk"), "neu");
  SetFileAttributesA(startup.File("Werkzeug.lnk").c_str(), FILE_ATTRIBUTE_READONLY);
  dialogs.Answer({TModalResult::Yes});

  EXPECT_FALSE(SwitchLink(startup.Path(), L"Werkzeug.lnk", true));
  ExpectShown(dialogs, {Question(ReplaceQuestion("Werkzeug.lnk")),
                        Error("Konnte Eintrag \"Werkzeug.lnk\" nicht verschieben! Er bleibt, wo er war.")});
  EXPECT_EQ(ReadFileBytes(startup.File("Werkzeug.lnk")), "neu");
  EXPECT_EQ(ReadFileBytes(Waiting("Werkzeug.lnk")), waiting);
}

}  // namespace
