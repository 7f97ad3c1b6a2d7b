#include "engine/shop_snapshot.h"

#include <gtest/gtest.h>

#include "engine/freezing.h"
#include "engine/schedule_array.h"
#include "engine/timing.h"
#include "tests/support/random_schedule.h"
#include "tests/support/varied_shop.h"

TEST(ShopSnapshot, RestoreUndoesTheShopsChangesAndCopiesAreDeep) {
  build_varied_shop(31, 10);
  fill_random_schedule(31);
  SCH sch(n_of_Orders, n_of_Jobs, n_of_Machines, J_A, M_wload);
  calc_sch_times(sch);
  OBJ_VALUE values;
  calc_sch_obj_values(sch, values);
  _S S(sch);
  calc_S_times(S);
  freeze_S_at(S, Orders, Jobs, Machines, S.Times[J_A[1][1]][1].StartT);  // jobs carry a FREEZE_JOB

  SHOP shop;
  EXPECT_FALSE(shop.schedule || shop.values);
  shop.save(n_of_SetupTypes, Orders, Jobs, Machines, &sch, &values);
  SHOP copy(shop);
  const std::vector<MACHINE> machines = Machines;
  const std::vector<ORDER> orders = Orders;
  const int routes = Jobs[1].Freeze->n_routes;

  // The shop changes, and so does the copy.
  Machines[2].Speed += 5;
  Machines[2].SetupM(1, 2) += 9;
  Machines[2].insert_interval(2000000, 2000010);
  Orders[3].CET += 50;
  Jobs[1].Freeze->n_routes = 0;
  copy.machines[1].Cal[1].ET += 7;
  copy.jobs[1].Freeze->n_routes = 42;
  copy.schedule->unlink_from_machine(copy.schedule->Mach_Head[J_A[1][1]]);

  SCH live;  // a target without tables gets a full copy
  shop.restore(Orders, Jobs, Machines, &live);
  EXPECT_EQ(Machines[2].Speed, machines[2].Speed);
  EXPECT_EQ(Machines[2].SetupM(1, 2), machines[2].SetupM(1, 2));
  EXPECT_EQ(Machines[2].N_Cal, machines[2].N_Cal);
  EXPECT_EQ(Machines[1].Cal[1].ET, machines[1].Cal[1].ET);
  EXPECT_EQ(Orders[3].CET, orders[3].CET);
  EXPECT_EQ(Jobs[1].Freeze->n_routes, routes);
  EXPECT_EQ(live.equal(sch), 1);
  EXPECT_EQ(live.task(live.Job_Head[1]).EndT, sch.task(sch.Job_Head[1]).EndT);
  EXPECT_EQ(shop.schedule->equal(sch), 1);
  EXPECT_EQ(copy.schedule->equal(sch), 0);

  // Live arrays shorter than the snapshot are lengthened, never overrun.
  std::vector<ORDER> o1(1);
  std::vector<JOB> j1(1);
  std::vector<MACHINE> m1(1);
  shop.restore(o1, j1, m1, nullptr);
  EXPECT_EQ(j1.size(), Jobs.size());
  EXPECT_EQ(j1[n_of_Jobs].Order_ID, Jobs[n_of_Jobs].Order_ID);
}
