#include <gtest/gtest.h>

#include "toolkit/Application.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  Application().Initialize(false);
  Application().SetTitle("Velmora");
  return RUN_ALL_TESTS();
}
