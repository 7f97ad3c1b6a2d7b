#pragma once
// Puts the program's process-wide state back as it was at start-up before
// every window test: the loaded problem, the live schedule, the run flags
// (work_mode, first_run, stop_flag), the priorities, the search globals, the
// chart colours, the run host and the random generator. Each test then sees
// a freshly started program, whichever tests ran before it in the same
// process and in whatever order.
#include <gtest/gtest.h>

#include <memory>

class StartUpState : public ::testing::EmptyTestEventListener {
 public:
  // Takes the snapshot; construct it before any test runs.
  StartUpState();
  ~StartUpState() override;
  void OnTestStart(const ::testing::TestInfo&) override;

 private:
  struct Snapshot;
  std::unique_ptr<Snapshot> start_;
};
