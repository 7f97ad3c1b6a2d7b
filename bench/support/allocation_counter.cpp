#include "bench/support/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> g_allocations{0};

void* counted_allocation(std::size_t n) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(n ? n : 1);
}

void* counted_allocation_or_throw(std::size_t n) {
  if (void* p = counted_allocation(n)) return p;
  throw std::bad_alloc();
}

}  // namespace

long heap_allocations() { return g_allocations.load(std::memory_order_relaxed); }

void* operator new(std::size_t n) { return counted_allocation_or_throw(n); }
void* operator new[](std::size_t n) { return counted_allocation_or_throw(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return counted_allocation(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return counted_allocation(n); }

// Every pointer these receive came from the operators above, hence from
// malloc, so free is the right release. GCC cannot see that pairing once it
// inlines a delete next to the matching new (link-time optimisation) and warns
// of a mismatch; the warning is silenced for these definitions only.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
#pragma GCC diagnostic pop
