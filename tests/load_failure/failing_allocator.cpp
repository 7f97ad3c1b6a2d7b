#include "tests/load_failure/failing_allocator.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> g_countdown{0};  // 0: not armed
std::atomic<bool> g_failed{false};
std::atomic<long> g_live{0};

// True when this allocation is the armed one.
bool fails_now() {
  if (g_countdown.load(std::memory_order_relaxed) == 0) return false;
  if (g_countdown.fetch_sub(1, std::memory_order_relaxed) != 1) return false;
  g_failed.store(true, std::memory_order_relaxed);
  return true;
}

void* take(std::size_t n, std::size_t align) {
  if (fails_now()) return nullptr;
  if (n == 0) n = 1;
  void* p = nullptr;
  if (align <= alignof(std::max_align_t)) {
    p = std::malloc(n);
  } else {
    const std::size_t rounded = (n + align - 1) / align * align;
    p = std::aligned_alloc(align, rounded);
  }
  if (p) g_live.fetch_add(1, std::memory_order_relaxed);
  return p;
}

void* take_or_throw(std::size_t n, std::size_t align) {
  if (void* p = take(n, align)) return p;
  throw std::bad_alloc();
}

void give_back(void* p) noexcept {
  if (!p) return;
  g_live.fetch_sub(1, std::memory_order_relaxed);
  std::free(p);
}

constexpr std::size_t kPlain = alignof(std::max_align_t);

}  // namespace

void fail_allocation(long n) {
  g_failed.store(false, std::memory_order_relaxed);
  g_countdown.store(n < 1 ? 1 : n, std::memory_order_relaxed);
}

void disarm_allocation_failure() { g_countdown.store(0, std::memory_order_relaxed); }

bool allocation_failed() { return g_failed.load(std::memory_order_relaxed); }

long live_allocations() { return g_live.load(std::memory_order_relaxed); }

void* operator new(std::size_t n) { return take_or_throw(n, kPlain); }
void* operator new[](std::size_t n) { return take_or_throw(n, kPlain); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return take(n, kPlain); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return take(n, kPlain); }
void* operator new(std::size_t n, std::align_val_t a) { return take_or_throw(n, static_cast<std::size_t>(a)); }
void* operator new[](std::size_t n, std::align_val_t a) { return take_or_throw(n, static_cast<std::size_t>(a)); }
void* operator new(std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
  return take(n, static_cast<std::size_t>(a));
}
void* operator new[](std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
  return take(n, static_cast<std::size_t>(a));
}

// Every pointer these receive came from the operators above, hence from
// malloc or aligned_alloc, so free is the right release. GCC cannot see that
// pairing once it inlines a delete next to the matching new and warns of a
// mismatch; the warning is silenced for these definitions only.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { give_back(p); }
void operator delete[](void* p) noexcept { give_back(p); }
void operator delete(void* p, std::size_t) noexcept { give_back(p); }
void operator delete[](void* p, std::size_t) noexcept { give_back(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { give_back(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { give_back(p); }
void operator delete(void* p, std::align_val_t) noexcept { give_back(p); }
void operator delete[](void* p, std::align_val_t) noexcept { give_back(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { give_back(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { give_back(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { give_back(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { give_back(p); }
#pragma GCC diagnostic pop
