#pragma once
#include "engine/run_host.h"

// The engine's host inside the program: messages and questions become the
// program's message boxes, and pending window events run once per search step.
class GuiRunHost : public RunHost {
 public:
  void process_events() override;
  void show_message(const std::string& text) override;
  bool ask_yes_no(const std::string& text) override;
};
