#include "engine/shop_snapshot.h"

#include <gtest/gtest.h>

#include "engine/freezing.h"
#include "engine/schedule_array.h"
#include "engine/timing.h"
#include "tests/support/random_schedule.h"
#include "tests/support/varied_shop.h"

namespace {

class ShopSnapshotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    build_varied_shop(31, 10);
    fill_random_schedule(31);
    sch = SCH(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
    calc_sch_times(sch);
    calc_sch_obj_values(sch, values);
    values.n_of_Scheduled_Jobs = 17;
    // Jobs carry their freezing into the snapshot.
    _S S(sch);
    calc_S_times(S);
    freeze_S_at(S, Orders, Jobs, Machines, S.Times[J_A[1][1]][1].StartT);
  }
  SCH sch;
  OBJ_VALUE values;
};

}  // namespace

TEST_F(ShopSnapshotTest, RestoreUndoesEveryChangeOfTheShop) {
  SHOP shop;
  EXPECT_FALSE(shop.schedule);
  EXPECT_FALSE(shop.values);
  shop.save(n_of_SetupTypes, Orders, Jobs, Machines, &sch, &values);
  ASSERT_EQ(shop.count_jobs(), n_of_Jobs);
  EXPECT_EQ(shop.values->n_of_Late_Jobs, values.n_of_Late_Jobs);
  EXPECT_EQ(shop.values->n_of_Scheduled_Jobs, 17);

  const std::vector<MACHINE> machines = Machines;
  const int speed = Machines[2].Speed, cet = Orders[3].CET, frozen = Jobs[1].N_Frozen;
  const int routes = Jobs[1].Freeze->n_routes;
  Machines[2].Speed = speed + 5;
  Machines[2].insert_interval(2000000, 2000010);
  Machines[2].SetupM(1, 2) += 9;
  Orders[3].CET = cet + 50;
  Jobs[1].N_Frozen = 0;
  Jobs[1].Freeze->n_routes = 0;
  SCH live;  // a target without tables gets a full copy

  shop.restore(Orders, Jobs, Machines, &live);
  EXPECT_EQ(Machines[2].Speed, speed);
  EXPECT_EQ(Machines[2].N_Cal, machines[2].N_Cal);
  EXPECT_EQ(Machines[2].SetupM(1, 2), machines[2].SetupM(1, 2));
  EXPECT_EQ(Orders[3].CET, cet);
  EXPECT_EQ(Jobs[1].N_Frozen, frozen);
  ASSERT_TRUE(Jobs[1].Freeze);
  EXPECT_EQ(Jobs[1].Freeze->n_routes, routes);
  EXPECT_EQ(live.equal(sch), 1);
  EXPECT_EQ(live.task(live.Job_Head[1]).StartT, sch.task(sch.Job_Head[1]).StartT);
}

TEST_F(ShopSnapshotTest, CopiesAreDeep) {
  SHOP shop;
  shop.save(n_of_SetupTypes, Orders, Jobs, Machines, &sch, &values);
  SHOP copy(shop);
  ASSERT_TRUE(copy.schedule && copy.values);
  EXPECT_EQ(copy.n_of_SetupTypes, n_of_SetupTypes);
  EXPECT_EQ(copy.schedule->equal(*shop.schedule), 1);
  EXPECT_EQ(copy.values->n_of_Scheduled_Jobs, 17);

  copy.machines[1].Cal[1].ET += 7;
  copy.orders[1].MG_M[R_MG_ex[J_A[1][0]][1]].push_back(99);
  copy.jobs[1].Freeze->n_routes = 42;
  copy.values->n_of_Late_Jobs += 3;
  const int m = J_A[1][1];
  copy.schedule->unlink_from_machine(copy.schedule->Mach_Head[m]);

  EXPECT_EQ(shop.machines[1].Cal[1].ET, Machines[1].Cal[1].ET);
  EXPECT_EQ(shop.orders[1].MG_M, Orders[1].MG_M);
  EXPECT_NE(shop.jobs[1].Freeze->n_routes, 42);
  EXPECT_EQ(shop.values->n_of_Late_Jobs, values.n_of_Late_Jobs);
  EXPECT_EQ(shop.schedule->equal(sch), 1);
  // Saving from the live arrays did not tie the snapshot to them either.
  Machines[1].Speed += 1;
  EXPECT_NE(shop.machines[1].Speed, Machines[1].Speed);
}

TEST(ShopSnapshot, RestoreNeverWritesPastShorterLiveArrays) {
  build_varied_shop(32, 6);
  fill_random_schedule(32);
  const SCH sch(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  SHOP shop;
  shop.save(n_of_SetupTypes, Orders, Jobs, Machines, &sch, nullptr);
  std::vector<ORDER> orders(1);
  std::vector<JOB> jobs(1);
  std::vector<MACHINE> machines(1);
  shop.restore(orders, jobs, machines, nullptr);
  EXPECT_EQ(static_cast<int>(jobs.size()), n_of_Jobs + 1);
  EXPECT_EQ(jobs[n_of_Jobs].Order_ID, Jobs[n_of_Jobs].Order_ID);
  EXPECT_EQ(static_cast<int>(machines.size()), n_of_Machines + 1);
  EXPECT_EQ(static_cast<int>(orders.size()), n_of_Orders + 1);
}
