#include <gtest/gtest.h>

#include "app/DesktopInteraction.h"
#include "toolkit/Application.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // A case that scripts no answers meets the real dialogs, as the program does.
  TDesktopInteraction desktop;
  SetInteraction(&desktop);
  Application().Initialize(false);
  Application().SetTitle("Velmora");
  return RUN_ALL_TESTS();
}
