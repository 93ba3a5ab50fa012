// The msdos.sys options read from and written into the file's lines.
#include <gtest/gtest.h>

#include "pages/MsdosOptions.h"

namespace {

TMsdosLines Lines(std::vector<std::string> memo) {
  TMsdosLines lines{std::move(memo), {}};
  RebuildMsdosUpperLines(lines);
  return lines;
}

// What filling the page does to the text when no control changes state:
// missing or empty keys get their defaults.
void FillDefaults(TMsdosLines& lines) {
  for (const TMsdosOption& option : kMsdosOptions)
    if (ReadMsdosOption(lines, option.key).empty()) WriteMsdosOption(lines, option.key, option.defaultValue);
}

TEST(MsdosOptions, TheUpperShadowFollowsTheMemoLineForLine) {
  TMsdosLines lines = Lines({"[Paths]", "WinDir=C:\\WINDOWS", "größe=ä"});
  EXPECT_EQ(lines.upper, (std::vector<std::string>{"[PATHS]", "WINDIR=C:\\WINDOWS", "GRÖßE=Ä"}));  // national letters too; ß has no upper case
}

TEST(MsdosOptions, KeysStartTheLineIgnoreCaseAndMustBeFollowedByTheEqualsSign) {
  TMsdosLines lines = Lines({"[Options]", "bootgui=1", "BootMenuDelay=5", " BootKeys=0", "Logo =0",
                             "BootMenu=1 ", "[Other]", "DblSpace= 4 5\t"});
  EXPECT_EQ(ReadMsdosOption(lines, "BootGUI"), "1");
  EXPECT_EQ(ReadMsdosOption(lines, "BootMenu"), "1");  // not the BootMenuDelay line; blanks removed
  EXPECT_EQ(ReadMsdosOption(lines, "DblSpace"), "45\t");  // any section, tabs stay
  EXPECT_EQ(lines.memo.size(), 8u);  // all found: nothing added
  EXPECT_EQ(ReadMsdosOption(lines, "BootKeys"), "");  // a leading blank hides it
  EXPECT_EQ(ReadMsdosOption(lines, "Logo"), "");  // so does a blank before "="
  EXPECT_EQ(lines.memo, (std::vector<std::string>{"[Options]", "Logo=", "BootKeys=", "bootgui=1", "BootMenuDelay=5",
                                                  " BootKeys=0", "Logo =0", "BootMenu=1 ", "[Other]",
                                                  "DblSpace= 4 5\t"}));
  EXPECT_EQ(lines.upper[1], "LOGO=");
}

TEST(MsdosOptions, WritingReplacesTheWholeLineWithTheKeyAsWrittenAndTheValueUnchanged) {
  TMsdosLines lines = Lines({"[options] ; Kommentar", "bootgui = 1", "bootgui=1 ; alt"});
  WriteMsdosOption(lines, "BootGUI", "0x");
  EXPECT_EQ(lines.memo, (std::vector<std::string>{"[options] ; Kommentar", "bootgui = 1", "BootGUI=0x"}));
  EXPECT_EQ(lines.upper[2], "BOOTGUI=0x");
  WriteMsdosOption(lines, "Network", "1");  // the header may have text around it
  EXPECT_EQ(lines.memo[1], "Network=1");
}

TEST(MsdosOptions, OnlyALineThatStartsWithTheHeaderIsOneNeverAComment) {
  const struct {
    std::vector<std::string> memo, expected;
  } cases[] = {
      {{"; siehe [Options] unten", "[Paths]", "WinDir=C:\\WINDOWS"},
       {"; siehe [Options] unten", "[Paths]", "WinDir=C:\\WINDOWS", "[Options]", "Logo=1"}},
      {{"[Paths]", "WinDir=C:\\WINDOWS ; nicht [Options]", "[Options]"},
       {"[Paths]", "WinDir=C:\\WINDOWS ; nicht [Options]", "[Options]", "Logo=1"}},
      {{"  [Options]", "BootGUI=1"}, {"  [Options]", "Logo=1", "BootGUI=1"}},
  };
  for (const auto& c : cases) {
    TMsdosLines lines = Lines(c.memo);
    WriteMsdosOption(lines, "Logo", "1");
    EXPECT_EQ(lines.memo, c.expected) << c.memo[0];
  }
}

TEST(MsdosOptions, AFileWithoutHeaderGetsOneAtTheEndWithTheDefaultsInReverseOrder) {
  TMsdosLines lines = Lines({"[Paths]", "WinDir=C:\\WINDOWS"});
  FillDefaults(lines);
  EXPECT_EQ(lines.memo, (std::vector<std::string>{
                            "[Paths]", "WinDir=C:\\WINDOWS", "[Options]", "DoubleBuffer=0", "LoadTop=1",
                            "DrvSpace=1", "DblSpace=1", "AutoScan=1", "Logo=1", "BootMenuDefault=1",
                            "BootMenuDelay=30", "BootMulti=0", "Network=1", "BootGUI=1", "BootDelay=2",
                            "BootMenu=0", "BootKeys=1"}));
  EXPECT_EQ(lines.upper.size(), lines.memo.size());
  EXPECT_EQ(lines.upper[2], "[OPTIONS]");
  TMsdosLines empty;
  WriteMsdosOption(empty, "Logo", "1");
  EXPECT_EQ(empty.memo, (std::vector<std::string>{"[Options]", "Logo=1"}));
}

TEST(MsdosOptions, AnEmptyValueGetsTheDefaultAndPresentValuesStay) {
  TMsdosLines lines = Lines({"[Options]", "BootMenu=", "BootGUI=0"});
  FillDefaults(lines);
  EXPECT_NE(std::find(lines.memo.begin(), lines.memo.end(), "BootMenu=0"), lines.memo.end());
  EXPECT_NE(std::find(lines.memo.begin(), lines.memo.end(), "BootGUI=0"), lines.memo.end());
}

TEST(MsdosOptions, ValuesAsTheControlsTakeThem) {
  EXPECT_EQ(DelaySeconds("45", 60), 45);
  EXPECT_EQ(DelaySeconds("45", 30), 30);
  EXPECT_EQ(DelaySeconds("-3", 30), 0);
  EXPECT_EQ(DelaySeconds("4.5", 30), std::nullopt);
  EXPECT_EQ(DelaySeconds("ZWEI", 30), std::nullopt);
  EXPECT_EQ(DelaySeconds("", 30), std::nullopt);
  EXPECT_EQ(BootMenuDefaultItem("0"), 0);
  EXPECT_EQ(BootMenuDefaultItem("4"), 3);
  EXPECT_EQ(BootMenuDefaultItem("12"), 7);
  EXPECT_EQ(BootMenuDefaultItem("X"), 0);
  EXPECT_EQ(AutoScanItem("-1"), 1);
  EXPECT_EQ(AutoScanItem("0"), 0);
  EXPECT_EQ(AutoScanItem("5"), 2);
  EXPECT_EQ(AutoScanItem("?"), 1);
  EXPECT_EQ(BoolValue(true), "1");
  EXPECT_EQ(BoolValue(false), "0");
}

}  // namespace
