#include <gtest/gtest.h>

#include "tests/ui/start_up_state.h"
#include "ui/application.h"
#include <cstdlib>

// Window tests run offscreen unless a display is chosen explicitly.
int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  TApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  // Owned by gtest once appended.
  ::testing::UnitTest::GetInstance()->listeners().Append(new StartUpState);
  return RUN_ALL_TESTS();
}
