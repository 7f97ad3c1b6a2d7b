// The Jobs and Orders records that the incremental evaluation of the search's
// samples leaves, checked outside checking mode: there every sample is also
// evaluated in full, which rewrites the records and makes the next sample
// write them in full too, so the job-by-job update of the records is only
// ever exercised here. The check reads the sample's timing rows and writes
// nothing: every scheduled job's record is its span, every order's record the
// fold of its scheduled jobs' spans.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/random_source.h"
#include "engine/sample_move.h"
#include "engine/sample_timing.h"
#include "engine/search_operators.h"
#include "tests/support/generated_problem.h"

namespace {

// "" when the records hold what a full evaluation of S would leave, else the first difference.
std::string records_differ(const _S& S) {
  for (int o = 1; o <= n_of_Orders; ++o) {
    const ORDER& od = Orders[static_cast<std::size_t>(o)];
    ORDER fold = od;
    bool any = false;
    for (int j = od.First_Job; j < od.First_Job + od.NJob; ++j) {
      if (S.n_steps(j) == 0) continue;
      const JobSpan span = job_span(S, j);
      const JOB& job = Jobs[static_cast<std::size_t>(j)];
      if (job.StartT != span.StartT || job.EndT != span.EndT) return "job " + std::to_string(j);
      fold_order_span(fold, !any, span);
      any = true;
    }
    if (any && (fold.StartT != od.StartT || fold.EndT != od.EndT)) return "order " + std::to_string(o);
  }
  return "";
}

}  // namespace

TEST(SampleRecords, EverySampleLeavesTheRecordsOfAFullEvaluation) {
  ASSERT_FALSE(SampleTiming::checking());
  for (const GeneratedSize size : {GeneratedSize::Small, GeneratedSize::Default}) {
    ASSERT_TRUE(load_generated_problem(31, size));
    seed_random(7);
    reset_J_A_M_wload();
    random_J_A_M_wload();
    _S base(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload), sample = base;
    SampleTiming timing;
    LateJobs late;
    late.use_base_of(&timing);
    timing.set_base(base);
    OBJ_VALUE values;
    int checked = 0;
    for (int i = 1; i <= 300; ++i) {
      if (i % 10 == 1) late.forget();
      timing.reset_sample(sample);
      if (apply_Nx_op(sample, select_Nx_op(n_of_operators, Nx_op_pri), late) == 0) continue;
      timing.time_and_evaluate(sample, values);
      ++checked;
      const std::string diff = records_differ(sample);
      ASSERT_EQ(diff, "") << "sample " << i;
      if (i % 10 == 0) {  // a step moves on to its best
        timing.keep_sample(sample, values);
        SampleTiming::copy_timing(base, sample);
        timing.set_base(base, true);
      }
    }
    timing.release();
    EXPECT_GT(checked, 200);
  }
}
