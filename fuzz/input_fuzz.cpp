// libFuzzer target for the input checker and the input reader: any bytes as
// an input file must end in messages or a refusal, and every loaded problem
// must keep its counts and tables in step. A fault aborts with its name.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "engine/problem.h"
#include "engine/random_source.h"
#include "problem_io/input_checker.h"
#include "problem_io/input_reader.h"
#include "tests/support/problem_consistency.h"

namespace {

const std::string& scratch_path() {
  static const std::string path = [] {
    char name[] = "/tmp/tavo_input_fuzz_XXXXXX";
    const int fd = mkstemp(name);
    if (fd >= 0) close(fd);
    return std::string(name);
  }();
  return path;
}

void require(bool ok, const std::string& what) {
  if (ok) return;
  std::fprintf(stderr, "fault: %s\n", what.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = scratch_path();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  input_file_name = path;
  InputCheck check;
  const int r = check_input_data(check);
  require(r == -1 || r == 1 || r == 2, "check result " + std::to_string(r));
  require(r != -1 || !check.error_list.empty(), "refused without an error");

  if (read_input_path(path) == 1) require(problem_consistency_fault(false).empty(), problem_consistency_fault(false));
  if (r == 1 || r == 2) {
    require(read_input_path(path) == 1, "accepted file not read");
    const std::string fault = problem_consistency_fault(true);
    require(fault.empty(), fault);
    seed_random(size);
    random_J_A_M_wload();
  }
  free_input_data();
  return 0;
}
