#include "engine/run_host.h"

namespace {
RunHost silent_host;
RunHost* current_host = nullptr;
}  // namespace

RunHost& run_host() { return current_host != nullptr ? *current_host : silent_host; }

void set_run_host(RunHost* host) { current_host = host; }
