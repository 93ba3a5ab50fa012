// Printing a text: dialog, copies and failures, with the printer of the test bench.
#include <gtest/gtest.h>

#include "print/PrintText.h"
#include "tests/FakeInteraction.h"

namespace {

TEST(PrintText, EachCopyIsAWholeJobOfItsOwn) {
  TFakeInteraction dialogs;
  dialogs.ChoosePrinter(TPrintDialogResult::Chosen, 2);
  PrintText({"[boot]", "shell=Explorer.exe"});
  EXPECT_EQ(dialogs.printJobs, (std::vector<std::vector<std::string>>{{"[boot]", "shell=Explorer.exe"},
                                                                      {"[boot]", "shell=Explorer.exe"}}));
  dialogs.ChoosePrinter(TPrintDialogResult::Chosen, 0);
  PrintText({"x"});
  EXPECT_EQ(dialogs.printJobs.size(), 2u);
  ExpectShown(dialogs, {});
}

TEST(PrintText, AnEmptyTextShowsNoDialogAndCancelPrintsNothing) {
  TFakeInteraction dialogs;
  PrintText({});
  EXPECT_EQ(dialogs.printDialogs, 0);
  dialogs.ChoosePrinter(TPrintDialogResult::Cancelled);
  PrintText({"x"});
  EXPECT_TRUE(dialogs.printJobs.empty());
  ExpectShown(dialogs, {});
}

TEST(PrintText, NoPrinterOrARefusedJobIsReported) {
  TFakeInteraction dialogs;
  dialogs.ChoosePrinter(TPrintDialogResult::Failed);
  PrintText({"x"});
  dialogs.printerRefuses = true;
  dialogs.ChoosePrinter(TPrintDialogResult::Chosen, 3);
  PrintText({"x"});
  ExpectShown(dialogs, {Error("Konnte nicht auf Drucker zugreifen! Ist überhaupt ein Drucker installiert?"),
                        Error("Konnte nicht auf Drucker zugreifen! Ist überhaupt ein Drucker installiert?")});
}

}  // namespace
