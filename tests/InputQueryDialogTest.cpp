// The real input box, as the desktop shows it.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/InputQueryDialog.h"

namespace {

TEST(InputQueryDialog, ShowsCaptionPromptAndProposedTextAndClosesWithOkOrCancel) {
  TInputQueryDialog box(nullptr, "Eintrag zum Autostart-Ordner hinzufügen", "Name der Verknüpfung (erforderlich!)",
                        "Werkzeug");
  EXPECT_EQ(box.Caption(), "Eintrag zum Autostart-Ordner hinzufügen");
  EXPECT_EQ(box.PromptLabel.Text(), "Name der Verknüpfung (erforderlich!)");
  EXPECT_EQ(box.ValueEdit.Text(), "Werkzeug");
  SendMessageA(box.OKBtn.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(box.ModalResult(), TModalResult::Ok);
  box.SetModalResult(TModalResult::None);
  SendMessageA(box.CancelBtn.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(box.ModalResult(), TModalResult::Cancel);
}

}  // namespace
