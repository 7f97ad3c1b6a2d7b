#include "engine/schedule_array.h"

#include "engine/schedule_linked.h"

_S::_S(int nO, int nJ, int nM) { alloc_tables(nO, nJ, nM); }
_S::_S(int nO, int nJ, int nM, const std::vector<std::array<int, 5>>&, const std::vector<std::vector<int>>&) {
  alloc_tables(nO, nJ, nM);
}
_S::_S(const SCH& sch) { alloc_tables(sch.n_of_Orders, sch.n_of_Jobs, sch.n_of_Machines); }
_S::_S(const _S& other) { alloc_tables(other.n_of_Orders, other.n_of_Jobs, other.n_of_Machines); }
_S& _S::operator=(const _S& other) {
  assign(other);
  return *this;
}
void _S::assign(const _S&) {}
void _S::to_J_A_M_wload(std::vector<std::array<int, 5>>&, std::vector<std::vector<int>>&) const {}
void _S::build_indexes() {}
void _S::alloc_tables(int nO, int nJ, int nM) {
  n_of_Orders = nO;
  n_of_Jobs = nJ;
  n_of_Machines = nM;
}
