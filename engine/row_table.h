#pragma once
// A table of equal-width rows kept in one block. Rows are allocated without
// values: a schedule's machine rows are sized for every job of the problem but
// only their used head is ever written, so untouched memory is never paged in
// and allocating or resizing never costs a pass over the whole table.
#include <cstddef>
#include <memory>
#include <new>
#include <utility>
#include <vector>

template <class T>
struct DefaultInitAllocator : std::allocator<T> {
  template <class U>
  struct rebind {
    using other = DefaultInitAllocator<U>;
  };
  DefaultInitAllocator() = default;
  template <class U>
  DefaultInitAllocator(const DefaultInitAllocator<U>&) noexcept {}
  template <class U, class... Args>
  void construct(U* p, Args&&... args) {
    if constexpr (sizeof...(Args) == 0)
      ::new (static_cast<void*>(p)) U;
    else
      ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};

template <class T>
class RowTable {
 public:
  RowTable() = default;
  RowTable(const RowTable&) = delete;  // schedules copy only the used part of each row
  RowTable& operator=(const RowTable&) = delete;
  // A table moved from is left empty, never with a shape but no cells.
  RowTable(RowTable&& o) noexcept : data_(std::move(o.data_)), rows_(o.rows_), width_(o.width_) {
    o.rows_ = o.width_ = 0;
  }
  RowTable& operator=(RowTable&& o) noexcept {
    if (this == &o) return *this;
    data_ = std::move(o.data_);
    rows_ = o.rows_;
    width_ = o.width_;
    o.rows_ = o.width_ = 0;
    return *this;
  }
  // rows x width cells, values undefined. Reallocates only when the shape changes.
  void alloc(int rows, int width) {
    if (rows == rows_ && width == width_) return;
    std::vector<T, DefaultInitAllocator<T>>().swap(data_);
    data_.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(width));
    rows_ = rows;
    width_ = width;
  }
  void release() {
    std::vector<T, DefaultInitAllocator<T>>().swap(data_);
    rows_ = width_ = 0;
  }
  T* operator[](int r) { return data_.data() + static_cast<std::size_t>(r) * width_; }
  const T* operator[](int r) const { return data_.data() + static_cast<std::size_t>(r) * width_; }
  int rows() const { return rows_; }
  int width() const { return width_; }
  bool empty() const { return rows_ == 0; }

 private:
  std::vector<T, DefaultInitAllocator<T>> data_;
  int rows_ = 0;
  int width_ = 0;
};
