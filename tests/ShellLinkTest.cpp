// Shortcut files read and written through the real shell objects of Wine.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <shlobj.h>

#include <string>

#include "support/SheLink.h"
#include "tests/FakeInteraction.h"
#include "tests/ScratchFolder.h"
#include "support/Tools.h"

namespace {

const char kNotCreated[] = "Konnte Verknüpfungen nicht erstellen!";

class ShellLinkTest : public testing::Test {
 protected:
  ShellLinkTest() {
    CoInitialize(nullptr);
    WriteFileBytes(program, "MZ");
  }
  ~ShellLinkTest() override { CoUninitialize(); }

  TFakeInteraction dialogs;
  TScratchFolder folder{"shell-link"};
  std::string program = folder.File("Werkzeug.exe");
  TShellLink link;
};

TEST_F(ShellLinkTest, CreatedShortcutReadsBackItsTargetAndBecomesThePath) {
  const std::string linkFile = folder.File("Werkzeug.lnk");
  link.CreateLink(linkFile, program);
  ExpectShown(dialogs, {});
  EXPECT_TRUE(link.Path().empty());  // writing reads nothing back
  EXPECT_TRUE(link.Target.empty());

  link.SetPath(linkFile);
  EXPECT_EQ(link.Path(), linkFile);
  EXPECT_EQ(link.Target, program);
  EXPECT_EQ(link.Arguments, "");
  EXPECT_EQ(link.HotKey, 0);
}

// Another program may write longer texts than a path: each is read whole.
TEST_F(ShellLinkTest, TextsLongerThanAPathAreReadWhole) {
  const std::string linkFile = folder.File("Lang.lnk");
  const std::string description(300, 'b'), arguments = "/x " + std::string(400, 'a'),
                    workingDir = "C:\\" + std::string(280, 'w');
  IShellLinkA* shellLink = nullptr;
  ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                         reinterpret_cast<void**>(&shellLink))));
  shellLink->SetPath(program.c_str());
  shellLink->SetDescription(description.c_str());
  shellLink->SetArguments(arguments.c_str());
  shellLink->SetWorkingDirectory(workingDir.c_str());
  IPersistFile* file = nullptr;
  ASSERT_TRUE(SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
  const std::wstring wideLinkFile(linkFile.begin(), linkFile.end());
  EXPECT_TRUE(SUCCEEDED(file->Save(wideLinkFile.c_str(), TRUE)));
  file->Release();
  shellLink->Release();

  ASSERT_TRUE(link.ReadLink(linkFile));
  EXPECT_EQ(link.Description, description);
  EXPECT_EQ(link.Arguments, arguments);
  EXPECT_EQ(link.WorkingDir, workingDir);
  EXPECT_EQ(link.Target, program);
}

TEST_F(ShellLinkTest, ExistingShortcutIsOverwritten) {
  const std::string linkFile = folder.File("Werkzeug.lnk");
  const std::string other = folder.File("Anderes.exe");
  WriteFileBytes(other, "MZ");
  link.CreateLink(linkFile, program);
  link.CreateLink(linkFile, other);
  EXPECT_TRUE(link.ReadLink(linkFile));
  EXPECT_EQ(link.Target, other);
}

TEST_F(ShellLinkTest, ReadingWhatIsNoShortcutChangesNothing) {
  const std::string linkFile = folder.File("Werkzeug.lnk");
  link.CreateLink(linkFile, program);
  link.SetPath(linkFile);
  const std::string notALink = folder.File("Text.lnk");
  WriteFileBytes(notALink, "kein Verweis");

  for (const std::string& path : {folder.File("fehlt.lnk"), notALink, std::string()}) {
    SCOPED_TRACE(path);
    link.SetPath(path);
    EXPECT_EQ(link.Path(), linkFile);
    EXPECT_EQ(link.Target, program);
    EXPECT_FALSE(link.ReadLink(path));
  }
}

TEST_F(ShellLinkTest, AssigningUpdateRereadsThePathAndLeavesItTrue) {
  EXPECT_FALSE(link.Update());
  link.SetUpdate(false);  // no path yet: nothing to read
  EXPECT_TRUE(link.Update());
  EXPECT_TRUE(link.Target.empty());

  const std::string linkFile = folder.File("Werkzeug.lnk");
  link.CreateLink(linkFile, program);
  link.SetPath(linkFile);
  const std::string other = folder.File("Anderes.exe");
  WriteFileBytes(other, "MZ");
  link.CreateLink(linkFile, other);
  EXPECT_EQ(link.Target, program);
  link.SetUpdate(false);
  EXPECT_EQ(link.Target, other);
  EXPECT_TRUE(link.Update());
}

TEST_F(ShellLinkTest, PathsLongerThan254CharactersAreRefusedWithTheMessage) {
  auto linkOfLength = [&](size_t length) {
    std::string prefix = folder.Path() + "\\";
    return prefix + std::string(length - prefix.size() - 4, 'v') + ".lnk";
  };
  const std::string longest = linkOfLength(254), tooLong = linkOfLength(255);
  link.CreateLink(longest, program);
  ExpectShown(dialogs, {});
  EXPECT_TRUE(link.ReadLink(longest));

  link.CreateLink(tooLong, program);
  ExpectShown(dialogs, {Error(kNotCreated)});
  EXPECT_FALSE(FileExists(tooLong));
  EXPECT_FALSE(link.ReadLink(tooLong));
  EXPECT_EQ(link.Path(), longest);
}

TEST_F(ShellLinkTest, ShortcutThatCannotBeWrittenIsReported) {
  for (const std::string& linkFile : {folder.File("Frage?.lnk"), folder.File("a|b.lnk"),
                                      folder.File("fehlt\\Werkzeug.lnk")}) {
    SCOPED_TRACE(linkFile);
    dialogs.ClearShown();
    link.CreateLink(linkFile, program);
    ExpectShown(dialogs, {Error(kNotCreated)});
    EXPECT_FALSE(FileExists(linkFile));
  }
}

}  // namespace
