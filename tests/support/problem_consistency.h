#pragma once
// Whether the loaded problem's tables agree with their counts, so that every
// walk the engine makes over them stays inside them. Used after loading files
// of any content (tests and the fuzz target).
#include <string>

// "" when consistent, else what is wrong. With checked = true also what a file
// the checker accepted guarantees: every machine and order declared, groups
// and execution types set, permitted machines and setup types in range,
// calendars in increasing order.
std::string problem_consistency_fault(bool checked);
