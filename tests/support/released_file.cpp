#include "tests/support/released_file.h"

#include "engine/problem.h"
#include "engine/schedule_linked.h"
#include "problem_io/schedule_file.h"
#include "tests/support/generated_problem.h"
#include "tests/support/random_schedule.h"
#include "tests/support/temp_dir.h"

std::string write_released_file(const TempDir& dir, const std::string& name, std::uint32_t seed) {
  const std::string path = dir.file(name);
  if (!load_generated_problem(seed, GeneratedSize::Small)) return path;
  fill_random_schedule(seed);
  const SCH sch(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  release_sch_file(sch, Machines, Orders, n_of_SetupTypes, path);
  free_input_data();
  return path;
}

std::string with_foreign_schedule_header(const std::string& text) {
  const std::size_t s = text.find("\ns\n");
  if (s == std::string::npos) return text;
  const std::size_t start = s + 3, end = text.find('\n', start);
  std::string header = text.substr(start, end - start);  // 1|M|J|O
  const std::size_t a = header.find('|', 2), b = header.find('|', a + 1);
  const int jobs = std::stoi(header.substr(a + 1, b - a - 1));
  header = header.substr(0, a + 1) + std::to_string(jobs + 1) + header.substr(b);
  return text.substr(0, start) + header + text.substr(end);
}
