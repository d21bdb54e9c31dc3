#pragma once
// A map keyed by object address, held in one flat array: a look-up reads one slot, or a few
// neighbours, instead of a bucket and then a node of its own. The host keeps such maps for
// every live handle, shown element and subscription, so at tens of thousands of objects the
// nodes and their scattered reads were what creating and destroying an object cost most.
//
// Open addressing with linear probing; a removal shifts the following entries back, so there
// are no tombstones and a map that is filled and emptied again and again does not degrade.
// A value's address holds only until the next insertion or removal. The map hands back the keys
// it was given, as they were given (a map of `const T` keys gives back const pointers).
// Values are made by default and moved: a free slot holds one.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

#include "ZORMixBits.h"

// `FirstCapacity` (a power of two) sizes the first array: a map that mostly holds one or two
// entries, one per object, is worth keeping to a cache line.
template <class Key, class Value, std::size_t FirstCapacity = 8>
class ZORPointerMap {
  static_assert(std::has_single_bit(FirstCapacity) && FirstCapacity >= 2);

 public:
  ZORPointerMap() = default;
  ZORPointerMap(const ZORPointerMap&) = delete;
  ZORPointerMap& operator=(const ZORPointerMap&) = delete;
  ZORPointerMap(ZORPointerMap&& other) noexcept
      : slots_(std::move(other.slots_)),
        capacity_(std::exchange(other.capacity_, 0)),
        size_(std::exchange(other.size_, 0)),
        mixed_(std::exchange(other.mixed_, false)) {}
  ZORPointerMap& operator=(ZORPointerMap&& other) noexcept {
    slots_ = std::move(other.slots_);
    capacity_ = std::exchange(other.capacity_, 0);
    size_ = std::exchange(other.size_, 0);
    mixed_ = std::exchange(other.mixed_, false);
    return *this;
  }

  std::size_t Size() const { return size_; }
  bool Empty() const { return size_ == 0; }

  //! The value of `key`; null when there is none.
  Value* Find(const Key* key) {
    const std::size_t at = SlotOf(key);
    return at == kNone ? nullptr : &slots_[at].value;
  }
  const Value* Find(const Key* key) const { return const_cast<ZORPointerMap*>(this)->Find(key); }
  bool Contains(const Key* key) const { return SlotOf(key) != kNone; }

  //! The value of `key`, made from `args` when there was none; and whether it was made.
  //! A null key is not stored.
  template <class... Args>
  std::pair<Value*, bool> TryEmplace(Key* key, Args&&... args) {
    if (!key) return {nullptr, false};
    if (const std::size_t at = SlotOf(key); at != kNone) return {&slots_[at].value, false};
    // At most three quarters full: probes stay short.
    if ((size_ + 1) * 4 > capacity_ * 3) Grow();
    std::size_t at = Home(key);
    std::size_t probes = 0;
    for (; slots_[at].key; at = Next(at)) ++probes;
    slots_[at].key = key;
    slots_[at].value = Value(std::forward<Args>(args)...);
    ++size_;
    if (probes > kLongProbe && !mixed_) {
      // The keys' spacing suits the multiplicative hash badly: mix them from now on.
      mixed_ = true;
      Rehash(capacity_);
      at = SlotOf(key);
    }
    return {&slots_[at].value, true};
  }
  Value& operator[](Key* key) { return *TryEmplace(key).first; }

  //! Forgets `key`; answers whether it was there.
  bool Erase(const Key* key) {
    const std::size_t at = SlotOf(key);
    if (at == kNone) return false;
    EraseSlot(at);
    return true;
  }
  //! Forgets `key` and hands its value over; none when it was not there.
  std::optional<Value> Take(const Key* key) {
    const std::size_t at = SlotOf(key);
    if (at == kNone) return std::nullopt;
    std::optional<Value> taken(std::in_place, std::move(slots_[at].value));
    EraseSlot(at);
    return taken;
  }

  //! Makes room for `count` entries in all, so that filling the map up to them moves nothing.
  void Reserve(std::size_t count) {
    if (count * 4 <= capacity_ * 3) return;
    std::size_t capacity = std::max(capacity_, FirstCapacity);
    while (count * 4 > capacity * 3) capacity *= 2;
    Rehash(capacity);
  }

  void Clear() {
    slots_.reset();
    capacity_ = 0;
    size_ = 0;
  }

  //! Calls `visit(key, value)` for every entry, in no particular order; the map may not change
  //! meanwhile.
  template <class Visit>
  void ForEach(Visit&& visit) const {
    const_cast<ZORPointerMap*>(this)->ForEach(
        [&visit](Key* key, const Value& value) { visit(key, value); });
  }
  //! The same, with values that `visit` may change in place.
  template <class Visit>
  void ForEach(Visit&& visit) {
    for (std::size_t i = 0; i < capacity_; ++i) {
      if (slots_[i].key) visit(slots_[i].key, slots_[i].value);
    }
  }

 private:
  // A free slot holds a value made by default: no flag beside the key, so that a slot of a
  // pointer and an int or a pointer takes 16 bytes, not 24.
  struct Slot {
    Key* key = nullptr;  // null: the slot is free
    Value value{};
  };
  static constexpr std::size_t kNone = ~std::size_t{0};
  // Far beyond what evenly spread keys probe at three quarters full.
  static constexpr std::size_t kLongProbe = 24;

  std::size_t Mask() const { return capacity_ - 1; }
  std::size_t Next(std::size_t at) const { return (at + 1) & Mask(); }
  // Addresses are aligned and often evenly spaced: objects of one size made one after another.
  // A multiplicative hash spreads most spacings evenly over the slots, so that a look-up seldom
  // probes twice, but folds a few onto a few runs of slots, where every look-up walks a long
  // probe. A map that meets such a run mixes every bit of the address first (the 64-bit
  // finaliser of MurmurHash3): a probe or two on average, whatever the spacing.
  std::size_t Home(const Key* key) const {
    auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(key));
    bits = mixed_ ? ZORMixBits(bits) : bits * 0x9E3779B97F4A7C15ULL;
    const int shift = 64 - std::countr_zero(capacity_);
    return static_cast<std::size_t>(bits >> shift);
  }
  void EraseSlot(std::size_t hole) {
    slots_[hole].key = nullptr;
    slots_[hole].value = Value();
    --size_;
    // Move back each following entry that the hole now keeps from its home.
    for (std::size_t at = Next(hole); slots_[at].key; at = Next(at)) {
      const std::size_t home = Home(slots_[at].key);
      // Entries whose home lies cyclically in (hole, at] stay where they are.
      if (((at - home) & Mask()) < ((at - hole) & Mask())) continue;
      slots_[hole].key = std::exchange(slots_[at].key, nullptr);
      slots_[hole].value = std::exchange(slots_[at].value, Value());
      hole = at;
    }
  }
  std::size_t SlotOf(const Key* key) const {
    if (!key || size_ == 0) return kNone;
    for (std::size_t at = Home(key);; at = Next(at)) {
      if (slots_[at].key == key) return at;
      if (!slots_[at].key) return kNone;
    }
  }
  void Grow() { Rehash(capacity_ == 0 ? FirstCapacity : capacity_ * 2); }
  void Rehash(std::size_t capacity) {
    std::unique_ptr<Slot[]> old = std::exchange(slots_, std::make_unique<Slot[]>(capacity));
    const std::size_t oldCapacity = std::exchange(capacity_, capacity);
    for (std::size_t i = 0; i < oldCapacity; ++i) {
      if (!old[i].key) continue;
      std::size_t at = Home(old[i].key);
      while (slots_[at].key) at = Next(at);
      slots_[at].key = old[i].key;
      slots_[at].value = std::move(old[i].value);
    }
  }

  std::unique_ptr<Slot[]> slots_;
  std::size_t capacity_ = 0;  // a power of two, or 0 before the first entry
  std::size_t size_ = 0;
  bool mixed_ = false;  // the keys are mixed before they pick a slot
};
