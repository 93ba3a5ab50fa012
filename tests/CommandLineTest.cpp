#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace {

TEST(CommandLine, ArgumentsAreSplitAsTheCRuntimeSplitsThem) {
  const struct {
    const wchar_t* line;
    std::vector<std::wstring> arguments;
  } cases[] = {
      {L"velmora.exe", {}},
      {L"\"C:\\Program Files\\Velmora\\velmora.exe\" /liste", {L"/liste"}},
      {L"velmora.exe  /liste   \"C:\\Neuer Ordner\\a.csv\" ", {L"/liste", L"C:\\Neuer Ordner\\a.csv"}},
      {L"velmora.exe /liste C:\\Ordner\\", {L"/liste", L"C:\\Ordner\\"}},
      {L"velmora.exe \"C:\\Ordner\\\\\" x", {L"C:\\Ordner\\", L"x"}},
      {L"velmora.exe a\\\"b \"c\"\"d\"", {L"a\"b", L"c\"d"}},
      {L"velmora.exe \"\"", {L""}},
      {L"velmora.exe /liste C:\\Программы\\ü.csv", {L"/liste", L"C:\\Программы\\\u00FC.csv"}},
  };
  for (const auto& c : cases) EXPECT_EQ(CommandLineArguments(c.line), c.arguments) << c.line;
}

TEST(CommandLine, SwitchesAndTheirOperands) {
  const struct {
    std::vector<std::wstring> arguments;
    TAdminCommandKind kind;
    std::wstring previous, output;
  } cases[] = {
      {{}, TAdminCommandKind::Window, L"", L""},
      {{L"/liste"}, TAdminCommandKind::List, L"", L""},
      {{L"/LISTE", L"a.csv"}, TAdminCommandKind::List, L"", L"a.csv"},
      {{L"/vergleich", L"alt.csv"}, TAdminCommandKind::Compare, L"alt.csv", L""},
      {{L"/Vergleich", L"alt.csv", L"neu.csv"}, TAdminCommandKind::Compare, L"alt.csv", L"neu.csv"},
      {{L"/?"}, TAdminCommandKind::Usage, L"", L""},
      {{L"/liste", L"a", L"b"}, TAdminCommandKind::Invalid, L"", L""},
      {{L"/vergleich"}, TAdminCommandKind::Invalid, L"", L""},
      {{L"/vergleich", L"a", L"b", L"c"}, TAdminCommandKind::Invalid, L"", L""},
      {{L"/list"}, TAdminCommandKind::Invalid, L"", L""},
      {{L"liste"}, TAdminCommandKind::Invalid, L"", L""},
      {{L"/?", L"x"}, TAdminCommandKind::Invalid, L"", L""},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const TAdminCommand command = ParseCommand(cases[i].arguments);
    EXPECT_EQ(command.kind, cases[i].kind) << i;
    EXPECT_EQ(command.previousList, cases[i].previous) << i;
    EXPECT_EQ(command.output, cases[i].output) << i;
    EXPECT_EQ(command.error.empty(), cases[i].kind != TAdminCommandKind::Invalid) << i;
  }
}

}  // namespace
