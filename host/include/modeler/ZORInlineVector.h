#pragma once
// A vector that keeps its first N elements in place and moves to the heap only beyond them.
// Short sequences held by the thousand (paths of objects) then cost no allocation of their own,
// and a container of them reads its elements without chasing a pointer per element.

#include <array>
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

template <class T, std::size_t N>
class ZORInlineVector {
 public:
  ZORInlineVector() = default;
  //! Takes over `items`, in place when they fit.
  explicit ZORInlineVector(std::vector<T> items) {
    if (items.size() > N) {
      heap_ = std::move(items);
      return;
    }
    for (T& item : items) inline_[inlineSize_++] = std::move(item);
  }
  ZORInlineVector(const ZORInlineVector&) = default;
  ZORInlineVector& operator=(const ZORInlineVector&) = default;
  // A moved-from vector is empty, as a moved-from std::vector is.
  ZORInlineVector(ZORInlineVector&& other) noexcept
      : inline_(std::move(other.inline_)),
        inlineSize_(std::exchange(other.inlineSize_, 0)),
        heap_(std::move(other.heap_)) {
    other.heap_.clear();
  }
  ZORInlineVector& operator=(ZORInlineVector&& other) noexcept {
    inline_ = std::move(other.inline_);
    inlineSize_ = std::exchange(other.inlineSize_, 0);
    heap_ = std::move(other.heap_);
    other.heap_.clear();
    return *this;
  }
  ~ZORInlineVector() = default;

  std::size_t size() const { return Spilled() ? heap_.size() : inlineSize_; }
  bool empty() const { return size() == 0; }
  const T* data() const { return Spilled() ? heap_.data() : inline_.data(); }
  const T* begin() const { return data(); }
  const T* end() const { return data() + size(); }
  const T& operator[](std::size_t i) const { return data()[i]; }
  const T& front() const { return data()[0]; }
  const T& back() const { return data()[size() - 1]; }
  std::span<const T> Span() const { return {data(), size()}; }

  //! Appends `item`, moving every element to the heap when the place runs out.
  void push_back(T item) {
    if (!Spilled() && inlineSize_ < N) {
      inline_[inlineSize_++] = std::move(item);
      return;
    }
    if (!Spilled()) Spill();
    heap_.push_back(std::move(item));
  }
  //! Removes the element at `i`; the others keep their order.
  void erase(std::size_t i) {
    if (Spilled()) {
      heap_.erase(heap_.begin() + static_cast<std::ptrdiff_t>(i));
      return;
    }
    for (std::size_t k = i + 1; k < inlineSize_; ++k) inline_[k - 1] = std::move(inline_[k]);
    inline_[--inlineSize_] = T();
  }

 private:
  bool Spilled() const { return !heap_.empty(); }
  void Spill() {
    heap_.reserve(2 * N);
    for (std::size_t k = 0; k < inlineSize_; ++k) heap_.push_back(std::exchange(inline_[k], T()));
    inlineSize_ = 0;
  }

  std::array<T, N> inline_{};
  std::size_t inlineSize_ = 0;  // 0 once spilled
  std::vector<T> heap_;
};
