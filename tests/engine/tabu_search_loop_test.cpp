#include "engine/tabu_search_loop.h"

#include <gtest/gtest.h>

#include <deque>

#include "solvers/enumeration.h"
#include "engine/run_state.h"
#include "engine/search_parameters.h"
#include "tests/support/recording_host.h"
#include "tests/support/small_shop.h"

namespace {

// A step loop whose samples are all different schedules (the next order of
// machine 1 each time, so the tabu list never holds one) and whose values are
// scripted: each evaluation takes the next number of late jobs, the only
// criterion that differs. The first two evaluations are the start's.
class ScriptedLoop : public TabuSearchLoop {
 public:
  ScriptedLoop(const TabuRules& rules, _S& start, std::deque<long long> late)
      : TabuSearchLoop(rules, start), base_(start), late_(std::move(late)) {
    incremental_ = false;  // the moves below write the sample's rows directly
    std::vector<int>& p = perm_[1];
    p.assign(1, start.M_wload[1][0]);
    for (int i = 1; i <= p[0]; ++i) p.push_back(i);
  }
  int evaluations = 0;
  bool stand_still = false;            // every sample is the current schedule itself
  std::vector<std::vector<int>> seen;  // machine 1 of every sample before its move

 protected:
  bool move(int, _S& sample) override {
    if (stand_still) return true;
    seen.emplace_back(sample.M_wload[1], sample.M_wload[1] + sample.M_wload[1][0] + 1);
    next_perm(perm_[1]);
    apply_machine_perm(sample, perm_, 1, base_.M_wload, base_.M_step);
    return true;
  }
  void evaluate(_S&, OBJ_VALUE& v) override {
    ++evaluations;
    v = OBJ_VALUE();
    v.n_of_Late_Jobs = late_.empty() ? 1000 : late_.front();
    if (!late_.empty()) late_.pop_front();
  }

 private:
  _S base_;
  std::deque<long long> late_;
  std::vector<std::vector<int>> perm_{std::vector<int>(), std::vector<int>()};
};

TabuRules rules_for(int steps, int* loops, int* tabu, int early_end_from, bool replace_on_equal, int idle) {
  TabuRules r;
  r.maxSTEP = steps;
  r.loops = loops;
  r.tabu_size = tabu;
  r.early_end_from = early_end_from;
  r.replace_on_equal = replace_on_equal;
  r.idle_steps = idle;
  r.interactive = false;
  return r;
}

class TabuSearchLoopRules : public ::testing::Test {
 protected:
  void SetUp() override {
    load_small_shop({{1, 1, 1}}, {{6, 10, 1, 1, 1, 0, 5, {1}}});
    stop_flag = false;
    start_ = std::make_unique<_S>(n_of_Orders, n_of_Jobs, n_of_Machines);
    for (int j = 1; j <= n_of_Jobs; ++j) assign_job_by_index(*start_, j, 1, Orders, Jobs);
  }
  std::unique_ptr<_S> start_;
  int loops_ = 4;
  int tabu_ = 50;
};

}  // namespace

TEST_F(TabuSearchLoopRules, AStepEndsEarlyOnlyFromItsFirstAllowedStep) {
  // Every sample strictly better than all before it.
  const std::deque<long long> falling = {100, 100, 90, 80, 70, 60, 50, 40, 30, 20};
  {
    ScriptedLoop plain(rules_for(2, &loops_, &tabu_, 2, true, -1), *start_, falling);
    plain.start();
    EXPECT_EQ(plain.run(), TabuSearchLoop::End::AllSteps);
    EXPECT_EQ(plain.evaluated(), 1 + 4 + 2);  // step 1 runs all loops, step 2 ends at loop 2
    EXPECT_EQ(plain.best_step(), 2);
    EXPECT_EQ(plain.best_loop(), 2);
    EXPECT_EQ(plain.best_values().n_of_Late_Jobs, 40);
  }
  ScriptedLoop from_one(rules_for(2, &loops_, &tabu_, 1, false, -1), *start_, falling);
  from_one.start();
  from_one.run();
  EXPECT_EQ(from_one.evaluated(), 1 + 2 + 2);
  EXPECT_EQ(from_one.best_values().n_of_Late_Jobs, 60);
}

TEST_F(TabuSearchLoopRules, TheSearchMovesToAWorseStepBestButKeepsTheOverallBest) {
  loops_ = 1;  // one sample per step, worse than the start
  ScriptedLoop search(rules_for(2, &loops_, &tabu_, 2, true, -1), *start_, {100, 100, 120, 130});
  search.start();
  search.run();
  ASSERT_EQ(search.seen.size(), 2u);
  EXPECT_NE(search.seen[1], search.seen[0]);  // step 2 samples from step 1's best
  EXPECT_EQ(search.best_step(), 0);
  EXPECT_EQ(search.best_values().n_of_Late_Jobs, 100);
  EXPECT_EQ(search.step_best_values().n_of_Late_Jobs, 130);
}

TEST_F(TabuSearchLoopRules, ASampleInTheTabuListIsNeverEvaluated) {
  // After a step's first sample each one is in the tabu list.
  ScriptedLoop search(rules_for(3, &loops_, &tabu_, 2, true, -1), *start_, {});
  search.stand_still = true;
  search.start();
  search.run();
  EXPECT_EQ(search.evaluations, 2 + 1);  // the start's two, then the one new schedule
  EXPECT_EQ(search.evaluated(), 2);
  EXPECT_EQ(search.tabu_count(), 1);
}

TEST_F(TabuSearchLoopRules, InteractiveRunsKeepEveryStepsBestAndShowEachNewOverallBest) {
  loops_ = 1;  // each step's best is its one sample
  RecordingHost host;
  TabuRules rules = rules_for(3, &loops_, &tabu_, 2, true, -1);
  rules.interactive = true;
  OBJ_history.assign(4, OBJ_VALUE());
  step_no = 1;
  ScriptedLoop search(rules, *start_, {100, 100, 90, 95, 80});
  search.start();
  search.run();
  EXPECT_EQ(step_no, 4);
  EXPECT_EQ((std::vector<long long>{OBJ_history[1].n_of_Late_Jobs, OBJ_history[2].n_of_Late_Jobs,
                                    OBJ_history[3].n_of_Late_Jobs}),
            (std::vector<long long>{90, 95, 80}));
  EXPECT_EQ(host.label_history(ProgressLabel::BestStep), (std::vector<std::string>{"0", "1", "3"}));
  EXPECT_EQ(host.labels[ProgressLabel::LateJobs], "80");
}
