// A page's popup menu, made from its commands.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/FakeInteraction.h"
#include "toolkit/Commands.h"

namespace {

std::string ItemText(HMENU menu, int position) {
  char text[128] = {};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

TEST(CommandMenu, HasOneItemPerCommandWithItsKeyAfterATabAndDisabledOnesGrayed) {
  const std::vector<TCommand> commands = {{"&Neu", true, TListKey::Insert},
                                          {"Ä&ndern", false, TListKey::Change},
                                          {"&Prüfen", true, TListKey::None},
                                          {"&Weg", true, TListKey::Delete},
                                          {"&Neu laden", false, TListKey::Refresh}};
  HMENU menu = BuildCommandMenu(commands);
  ASSERT_EQ(GetMenuItemCount(menu), 5);
  const struct {
    std::string text;
    bool grayed;
  } expected[] = {{"&Neu\tEinfg", false}, {"Ä&ndern\tEingabe", true}, {"&Prüfen", false},
                  {"&Weg\tEntf", false},  {"&Neu laden\tF5", true}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(ItemText(menu, i), expected[i].text) << i;
    EXPECT_EQ((GetMenuState(menu, i, MF_BYPOSITION) & MF_GRAYED) != 0, expected[i].grayed) << i;
    EXPECT_EQ(GetMenuItemID(menu, i), static_cast<UINT>(i + 1)) << i;
  }
  DestroyMenu(menu);
  HMENU empty = BuildCommandMenu({});
  EXPECT_EQ(GetMenuItemCount(empty), 0);
  DestroyMenu(empty);
}

TEST(CommandMenu, RunsTheEnabledCommandChosenAndNothingElse) {
  TFakeInteraction dialogs;
  std::vector<std::string> ran;
  auto command = [&](const char* caption, bool enabled) {
    return TCommand{caption, enabled, TListKey::None, [&ran, caption] { ran.push_back(caption); }};
  };
  const std::vector<TCommand> commands = {command("&Eins", true), command("&Zwei", false), command("&Drei", true)};
  const struct {
    std::optional<std::string> choice;
    std::vector<std::string> ran;
  } cases[] = {{"&Drei", {"&Drei"}}, {"&Eins", {"&Eins"}}, {"&Zwei", {}}, {std::nullopt, {}}};
  for (const auto& each : cases) {
    ran.clear();
    dialogs.ChooseMenuItem(each.choice);
    RunCommandMenu(nullptr, {10, 20}, commands);
    EXPECT_EQ(ran, each.ran) << each.choice.value_or("(dismissed)");
  }
  ASSERT_EQ(dialogs.menus.size(), 4u);
  EXPECT_EQ(dialogs.menus[0].size(), 3u);
}

}  // namespace
