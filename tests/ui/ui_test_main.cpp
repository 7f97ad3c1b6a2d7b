#include <gtest/gtest.h>

#include "ui/application.h"
#include <cstdlib>

// Window tests run offscreen unless a display is chosen explicitly.
int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  TApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
