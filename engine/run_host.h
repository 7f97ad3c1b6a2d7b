#pragma once
// The one door between the engine and whatever shows its work. The engine never
// links a window library: where a run shows progress, asks the planner a
// question, shows a message or lets pending window events run, it calls the
// current host. The windows install a host that drives their controls; tests
// install a recorder. With no host installed, a silent host answers: questions
// are answered No, nothing is shown.
#include <string>

#include "engine/run_state.h"

class RunHost {
 public:
  virtual ~RunHost() = default;

  // Lets pending window events run (a click on "Stop" sets stop_flag here).
  virtual void process_events() {}
  // A one-button message box captioned with the application title.
  virtual void show_message(const std::string& /*text*/) {}
  // A Yes/No box captioned "Question"; true only for Yes.
  virtual bool ask_yes_no(const std::string& /*text*/) { return false; }
};

// The installed host, or the silent host when none is installed.
RunHost& run_host();
// Installs host (not owned); nullptr goes back to the silent host.
void set_run_host(RunHost* host);
