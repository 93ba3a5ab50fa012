// The compiled help file beside the program, opened by Wine's own HTML Help
// library. Wine shows no page content (no HTML engine here), so the topics
// are checked through what HTML Help answers.
#include <gtest/gtest.h>
#include <windows.h>
#include <htmlhelp.h>

#include "help/HelpTools.h"
#include "help/HtmlHelpLibrary.h"
#include "support/Tools.h"
#include "tests/FakeInteraction.h"
#include "toolkit/Application.h"

namespace {

class HelpFileTest : public testing::Test {
 protected:
  THtmlHelp help;
  std::string file = ProgramHelpFile();

  void SetUp() override { LoadHtmlHelpLibrary(); }

  HWND Show(const std::string& path, DWORD_PTR topic) {
    return HtmlHelpLibrary().HtmlHelpA(nullptr, path.c_str(), HH_HELP_CONTEXT, topic);
  }
  void TearDown() override { HtmlHelpLibrary().HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0); }
};

TEST_F(HelpFileTest, HasATopicForEveryPageAndTheBackupInstructions) {
  ASSERT_TRUE(FileExists(file)) << file;
  ASSERT_TRUE(HtmlHelpLibrary().Loaded());
  // 100 + the page's index for the sixteen pages; 200 for the instructions
  // that the backup page sends the user to.
  for (DWORD_PTR topic = 100; topic <= 115; ++topic) EXPECT_NE(Show(file, topic), nullptr) << "topic " << topic;
  EXPECT_NE(Show(file, 200), nullptr);
}

TEST_F(HelpFileTest, UnknownTopicsAndMissingFilesShowNothing) {
  EXPECT_EQ(Show(file, 116), nullptr);
  EXPECT_EQ(Show(file + ".fehlt", 100), nullptr);
}

TEST_F(HelpFileTest, TheContentsOpenInAWindowOfTheirOwnUnderTheDefaultSecuritySettings) {
  TFakeInteraction dialogs;
  for (const char* restrictions : {"HHRestrictions", "ItssRestrictions"})
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, (std::string("SOFTWARE\\Microsoft\\HTMLHelp\\1.x\\") + restrictions).c_str());
  help.SetHelpFile(file);
  Application().HelpCommand(HELP_FINDER, 0);
  EXPECT_TRUE(help.HelpUsed());
  ExpectShown(dialogs, {});  // a refusal would have been explained
  EXPECT_NE(HtmlHelpLibrary().HtmlHelpA(nullptr, file.c_str(), HH_DISPLAY_TOC, 0), nullptr);
}

}  // namespace
