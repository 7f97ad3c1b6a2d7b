#include "engine/free_positions.h"

#include <algorithm>
#include <type_traits>

#include "engine/bit_select.h"
#include "engine/random_source.h"

// The wide draw deposits a bit into a 64-bit word (_pdep_u64), which only
// x86-64 offers; 32-bit x86 and every other processor take the portable draw.
#if defined(__GNUC__) && defined(__x86_64__)
#define TAVO_WIDE_DRAW 1
#include <immintrin.h>
#endif

namespace {

constexpr int kFan = 16;

// Entry i of block b of a level whose children hold `child` positions each,
// while every position 1..c is free: the positions in children 0..i-1.
template <class T>
void fill_level(T* blocks, int n_blocks, long long child, int c) {
  for (int b = 0; b < n_blocks; ++b) {
    const long long in_block = std::max(0LL, c - static_cast<long long>(b) * kFan * child);
    for (int i = 0; i < kFan; ++i)
      blocks[b].before[i] = static_cast<std::remove_reference_t<decltype(blocks[b].before[i])>>(std::min(in_block, i * child));
  }
}

// The child of a block that holds the r-th free position: the entries below
// r are those of the children before it (entry 0 always is), and r becomes
// the rank inside that child. Every entry from r on loses the taken position.
// Padding past a level's last child holds the whole block's count, never below
// r, and loses it too, so it stays the whole count.
template <class T>
inline int pick(T* before, int& r) {
  int at_or_above = 0;
  for (int i = 0; i < kFan; ++i) at_or_above += before[i] >= r ? 1 : 0;
  const int child = kFan - 1 - at_or_above;
  const int rank = r;
  r -= before[child];
  for (int i = 0; i < kFan; ++i) before[i] = static_cast<T>(before[i] - (before[i] >= rank ? 1 : 0));
  return child;
}

}  // namespace

void FreePositions::reset(int c) {
  c_ = c;
  const int n_words = (c + 63) / 64;
  const int n0 = std::max(1, (n_words + kFan - 1) / kFan);
  const int n1 = (n0 + kFan - 1) / kFan;
  const std::size_t words = static_cast<std::size_t>(n0) * kFan;
  if (words_.size() < words) words_.resize(words);
  for (int w = 0; w < n_words; ++w) words_[static_cast<std::size_t>(w)] = ~std::uint64_t{0};
  if (c % 64 != 0) words_[static_cast<std::size_t>(n_words - 1)] = (std::uint64_t{1} << (c % 64)) - 1;
  std::fill(words_.begin() + n_words, words_.begin() + static_cast<std::ptrdiff_t>(words), 0);
  if (low_.size() < static_cast<std::size_t>(n0 + n1)) low_.resize(static_cast<std::size_t>(n0 + n1));
  level1_ = n0;
  fill_level(low_.data(), n0, 64, c);
  fill_level(low_.data() + n0, n1, 64LL * kFan, c);
  // Levels of 32-bit counts until one block holds them all.
  n_high_ = 0;
  int below = n1;
  int total = 0;
  long long child = 64LL * kFan * kFan;
  do {
    const int blocks = (below + kFan - 1) / kFan;
    high_offset_[n_high_++] = total;
    total += blocks;
    if (high_.size() < static_cast<std::size_t>(total)) high_.resize(static_cast<std::size_t>(total));
    fill_level(high_.data() + high_offset_[n_high_ - 1], blocks, child, c);
    below = blocks;
    child *= kFan;
  } while (below > 1 && n_high_ < kMaxHigh);
}

bool FreePositions::draw_portable(int k, int* P) {
  int remaining = c_;
  for (int i = 1; i <= k; ++i) {
    int r = rand_n(remaining) + 1;
    if (r > remaining) return false;  // nothing left to draw
    int b = 0;
    for (int h = n_high_ - 1; h >= 0; --h) b = b * kFan + pick(high_[static_cast<std::size_t>(high_offset_[h] + b)].before, r);
    b = b * kFan + pick(low_[static_cast<std::size_t>(level1_ + b)].before, r);
    b = b * kFan + pick(low_[static_cast<std::size_t>(b)].before, r);
    std::uint64_t& word = words_[static_cast<std::size_t>(b)];
    const int bit = bit_select::nth_set_bit(word, r);
    word &= ~(std::uint64_t{1} << bit);
    P[i] = b * 64 + bit + 1;
    --remaining;
  }
  return true;
}

#ifdef TAVO_WIDE_DRAW
namespace {

// pick() on a block of 16 32-bit entries: two compares, their sign masks
// counted, two adds of the compare results (-1 where the entry is r or more).
__attribute__((target("avx2,bmi2,popcnt"))) inline int pick_wide(std::int32_t* before, int& r) {
  const __m256i limit = _mm256_set1_epi32(r - 1);
  auto* v = reinterpret_cast<__m256i*>(before);
  const __m256i lo = _mm256_load_si256(v);
  const __m256i hi = _mm256_load_si256(v + 1);
  const __m256i lo_ge = _mm256_cmpgt_epi32(lo, limit);
  const __m256i hi_ge = _mm256_cmpgt_epi32(hi, limit);
  const unsigned mask = static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(lo_ge))) |
                        static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(hi_ge))) << 8;
  const int child = kFan - 1 - _mm_popcnt_u32(mask);
  r -= before[child];
  _mm256_store_si256(v, _mm256_add_epi32(lo, lo_ge));
  _mm256_store_si256(v + 1, _mm256_add_epi32(hi, hi_ge));
  return child;
}

// The same on 16 16-bit entries: one compare, its byte mask holds two bits an
// entry.
__attribute__((target("avx2,bmi2,popcnt"))) inline int pick_wide(std::int16_t* before, int& r) {
  const __m256i limit = _mm256_set1_epi16(static_cast<short>(r - 1));
  auto* v = reinterpret_cast<__m256i*>(before);
  const __m256i all = _mm256_load_si256(v);
  const __m256i ge = _mm256_cmpgt_epi16(all, limit);
  const int child = kFan - 1 - _mm_popcnt_u32(static_cast<unsigned>(_mm256_movemask_epi8(ge))) / 2;
  r -= before[child];
  _mm256_store_si256(v, _mm256_add_epi16(all, ge));
  return child;
}

}  // namespace

__attribute__((target("avx2,bmi2,popcnt"))) bool FreePositions::draw_wide(int k, int* P) {
  int remaining = c_;
  for (int i = 1; i <= k; ++i) {
    int r = rand_n(remaining) + 1;
    if (r > remaining) return false;  // nothing left to draw
    int b = 0;
    for (int h = n_high_ - 1; h >= 0; --h)
      b = b * kFan + pick_wide(high_[static_cast<std::size_t>(high_offset_[h] + b)].before, r);
    b = b * kFan + pick_wide(low_[static_cast<std::size_t>(level1_ + b)].before, r);
    b = b * kFan + pick_wide(low_[static_cast<std::size_t>(b)].before, r);
    std::uint64_t& word = words_[static_cast<std::size_t>(b)];
    // The r-th set bit alone: the r-th lowest bit deposited into the word.
    const std::uint64_t taken = _pdep_u64(std::uint64_t{1} << (r - 1), word);
    word ^= taken;
    P[i] = b * 64 + __builtin_ctzll(taken) + 1;
    --remaining;
  }
  return true;
}

bool FreePositions::wide_available() {
  static const bool available =
      __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt");
  return available;
}
#else
bool FreePositions::draw_wide(int k, int* P) { return draw_portable(k, P); }
bool FreePositions::wide_available() { return false; }
#endif

bool FreePositions::draw(int k, int* P, Path path) {
  if (path == Path::portable || !wide_available()) return draw_portable(k, P);
  return draw_wide(k, P);
}
