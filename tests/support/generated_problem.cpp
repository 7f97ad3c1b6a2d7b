#include "tests/support/generated_problem.h"

#include "problem_io/input_reader.h"
#include "problem_io/problem_generator.h"
#include "tests/support/temp_dir.h"

GENERATOR_VALUES generator_values_for(GeneratedSize size) {
  GENERATOR_VALUES v = default_generator_values();
  switch (size) {
    case GeneratedSize::Small:
      v.Mv = 1;  // deviate(1, 0) = 1 machine in every group
      v.Mp = 0;
      v.Ov = 1;  // one order of every execution type
      v.Op = 0;
      v.Jv = 4;  // deviate(4, 20) = 4 jobs each
      break;
    case GeneratedSize::Default:
      break;
    case GeneratedSize::Large:
      v.Mv *= 4;
      v.Ov *= 4;
      break;
  }
  return v;
}

bool load_generated_problem(std::uint32_t seed, const GENERATOR_VALUES& values, GENERATION_METHOD method) {
  TempDir dir;
  const std::string path = dir.file("generated.sif");
  if (generate_problem_file(method, values, seed, path) != 1) return false;
  return read_input_path(path) == 1;
}

bool load_generated_problem(std::uint32_t seed, GeneratedSize size) {
  return load_generated_problem(seed, generator_values_for(size));
}
