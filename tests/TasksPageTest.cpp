// The Geplante Tasks page over task files of the test's own: what it draws
// of the tasks model, what a box and "Überprüfen" say, and the one line of
// the 9x family. How the model reads and switches is its own
// (TaskEntriesTest).
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "app/MainForm.h"
#include "support/Tools.h"
#include "tasks/TasksTexts.h"
#include "tests/FakeInteraction.h"
#include "tests/Press.h"
#include "tests/RegistrySandbox.h"
#include "tests/TestTasks.h"
#include "toolkit/Application.h"

namespace {

class TasksPageTest : public testing::Test {
 protected:
  TasksPageTest() {
    seeded.Write(L"Seite", TaskFileBytes({kLogonTrigger, L"true", {{L"C:\\Fehlt\\upd.exe", L"/still"}}, L"Müller"},
                                         TTaskEncoding::Utf16));
    seeded.Write(L"SeiteAus", TaskFileBytes({kBootTrigger, L"false", {{L"%windir%\\system32\\cmd.exe", L"/c"}}},
                                            TTaskEncoding::Utf8WithMark));
    seeded.Write(L"SeiteKaputt", "<Task>");
    form = std::make_unique<TMainForm>();
  }

  TTasksPage& Page() { return *form->Tasks; }
  TListView& View() { return Page().TasksLV; }
  int Row(const std::string& name) {
    for (int i = 0; i < View().Count(); ++i)
      if (View().Caption(i) == "\\VelmoraTest\\" + name) return i;
    return -1;
  }
  // As the user does it: the page acts once the message loop runs again.
  void Tick(int row, bool on) {
    ListView_SetCheckState(View().Handle(), row, on);
    Application().ProcessMessages();
  }

  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  TTestTasks seeded;
  std::unique_ptr<TMainForm> form;
};

TEST_F(TasksPageTest, DrawsTheTasksSaysWhatASwitchCannotDoHereAndReportsMissingPrograms) {
  if (!IsWinNT) {
    EXPECT_EQ(Page().TasksLabel.Text(), TasksTexts::kNo9xTasks);
    EXPECT_EQ(View().Count(), 0);
    for (const TControl* control :
         std::initializer_list<const TControl*>{&View(), &Page().TasksCheckBtn, &Page().TasksRefreshBtn})
      EXPECT_FALSE(GetWindowLongA(control->Handle(), GWL_STYLE) & WS_VISIBLE) << "one line and nothing else";
    return;
  }
  EXPECT_EQ(Page().TasksLabel.Text(), TasksTexts::kIntro);
  struct TRowShown {
    std::string name, command, author, user;
    bool ticked;
  };
  for (const TRowShown& expected :
       {TRowShown{"Seite", "C:\\Fehlt\\upd.exe /still", "Müller", "S-1-5-18", true},
        TRowShown{"SeiteAus", "%windir%\\system32\\cmd.exe /c", "Hersteller", "S-1-5-18", false},
        TRowShown{"SeiteKaputt", "Nicht lesbar: kein gültiges XML", "", "", false}}) {
    const int row = Row(expected.name);
    ASSERT_GE(row, 0) << expected.name;
    EXPECT_EQ(View().SubItem(row), expected.command);
    EXPECT_EQ(View().SubItem2(row), expected.author);
    EXPECT_EQ(View().SubItem3(row), expected.user);
    EXPECT_EQ(View().Checked(row), expected.ticked) << expected.name;
  }

  Tick(Row("Seite"), false);
  Tick(Row("SeiteKaputt"), true);
  EXPECT_TRUE(View().Checked(Row("Seite"))) << "drawn as the scheduler still has it";
  EXPECT_FALSE(View().Checked(Row("SeiteKaputt")));
  ExpectShown(dialogs, {Error(TasksTexts::NotSwitchable("\\VelmoraTest\\Seite")),
                        Error(TasksTexts::NotReadable("\\VelmoraTest\\SeiteKaputt"))});

  // F5 in the list reads the tasks afresh, as "Ansicht aktualisieren" does.
  seeded.Write(L"SeiteNeu", TaskFileBytes({kBootTrigger, L"true", {{L"%windir%\\notepad.exe", L""}}},
                                          TTaskEncoding::Utf16));
  SetFocus(View().Handle());
  PostMessageA(View().Handle(), WM_KEYDOWN, VK_F5, 1);
  Application().ProcessMessages();
  EXPECT_GE(Row("SeiteNeu"), 0);

  dialogs.ClearShown();
  Press(Page().TasksCheckBtn);
  ExpectShown(dialogs, {Error(TasksTexts::ProgramMissing("\\VelmoraTest\\Seite", "C:\\Fehlt\\upd.exe"))});
}

}  // namespace
