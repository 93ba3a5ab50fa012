#include "print/PrintText.h"

#include "toolkit/Interaction.h"

namespace {
void ReportNoPrinter() {
  ShowError(PrintTexts::kNoPrinter);
}
}  // namespace

void PrintText(const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  std::unique_ptr<TPrinter> printer;
  switch (Interaction().PrintDialog(printer)) {
    case TPrintDialogResult::Cancelled:
      return;
    case TPrintDialogResult::Failed:
      ReportNoPrinter();
      return;
    case TPrintDialogResult::Chosen:
      break;
  }
  for (int copy = 0; copy < printer->Copies(); ++copy) {
    if (!printer->PrintJob(lines)) {
      ReportNoPrinter();
      return;
    }
  }
}
