#include "engine/sequence_moves.h"

#include <algorithm>

namespace {

int first_selected(const JobSequence& seq) {
  for (std::size_t i = 0; i < seq.size(); ++i)
    if (seq[i].selected) return static_cast<int>(i);
  return -1;
}

int last_selected(const JobSequence& seq) {
  for (std::size_t i = seq.size(); i-- > 0;)
    if (seq[i].selected) return static_cast<int>(i);
  return -1;
}

// Takes the item at `from` out and puts it in at `to` (an index of the list
// after the removal); true when it changed its place.
bool move_item(JobSequence& seq, int from, int to) {
  if (from == to) return false;
  const auto b = seq.begin();
  if (from < to)
    std::rotate(b + from, b + from + 1, b + to + 1);
  else
    std::rotate(b + to, b + from, b + from + 1);
  return true;
}

// An unknown job belongs to no order (0), so it is never gathered with others.
int order_of(const std::vector<JOB>& jobs, int j) {
  return (j >= 1 && static_cast<std::size_t>(j) < jobs.size()) ? jobs[static_cast<std::size_t>(j)].Order_ID : 0;
}

}  // namespace

bool move_selected_up(JobSequence& seq) {
  if (seq.empty() || seq.front().selected) return false;
  bool moved = false;
  for (std::size_t i = 1; i < seq.size(); ++i)
    if (seq[i].selected) {
      std::swap(seq[i], seq[i - 1]);
      moved = true;
    }
  return moved;
}

bool move_selected_down(JobSequence& seq) {
  if (seq.empty() || seq.back().selected) return false;
  bool moved = false;
  for (std::size_t i = seq.size() - 1; i-- > 0;)
    if (seq[i].selected) {
      std::swap(seq[i], seq[i + 1]);
      moved = true;
    }
  return moved;
}

bool move_selected_top(JobSequence& seq) {
  const int f = first_selected(seq);
  if (f <= 0) return false;
  for (int i = f; i < static_cast<int>(seq.size()); ++i)
    if (seq[static_cast<std::size_t>(i)].selected) move_item(seq, i, i - f);
  return true;
}

bool move_selected_bottom(JobSequence& seq) {
  const int l = last_selected(seq);
  if (l < 0) return false;
  const int g = static_cast<int>(seq.size()) - 1 - l;
  if (g <= 0) return false;
  for (int i = l; i >= 0; --i)
    if (seq[static_cast<std::size_t>(i)].selected) move_item(seq, i, i + g);
  return true;
}

bool join_selected(JobSequence& seq) {
  const int f = first_selected(seq);
  if (f < 0) return false;
  bool moved = false;
  // Items behind the gathered block keep their indexes when a later item is
  // pulled forward, so one forward scan meets every selected item once.
  int gathered = f;
  for (int i = f + 1; i < static_cast<int>(seq.size()); ++i)
    if (seq[static_cast<std::size_t>(i)].selected) {
      moved = move_item(seq, i, gathered + 1) || moved;
      ++gathered;
    }
  return moved;
}

bool build_batch(JobSequence& seq, const std::vector<JOB>& jobs) {
  bool moved = false;
  for (std::size_t i = 0; i < seq.size(); ++i) {
    const int o = order_of(jobs, seq[i].job);
    for (SequenceItem& item : seq) item.selected = o != 0 && order_of(jobs, item.job) == o;
    seq[i].selected = true;
    moved = join_selected(seq) || moved;
  }
  return moved;
}

void select_order_of_first(JobSequence& seq, const std::vector<JOB>& jobs) {
  const int f = first_selected(seq);
  if (f < 0) return;
  const int o = order_of(jobs, seq[static_cast<std::size_t>(f)].job);
  for (SequenceItem& item : seq) item.selected = order_of(jobs, item.job) == o;
}

void select_setup_type_of_first(JobSequence& seq, const std::vector<JOB>& jobs, const std::vector<ORDER>& orders) {
  const int f = first_selected(seq);
  if (f < 0) return;
  auto setup_type = [&](int j) {
    const int o = order_of(jobs, j);
    return (o >= 1 && static_cast<std::size_t>(o) < orders.size()) ? orders[static_cast<std::size_t>(o)].SetupType
                                                                     : 0;
  };
  const int s = setup_type(seq[static_cast<std::size_t>(f)].job);
  for (SequenceItem& item : seq) item.selected = setup_type(item.job) == s;
}

void unselect_all(JobSequence& seq) {
  for (SequenceItem& item : seq) item.selected = false;
}
