#pragma once
// The `_var` handle: holds one reference on an interface of a component. Built from another
// handle or pointer it converts when the type allows it and queries the interface otherwise, so
// a handle taken on a component that lacks the interface is null.

#include <cstddef>
#include <type_traits>
#include <utility>

#include "ZORBaseUnknown.h"

template <class I>
class ZORVar {
 public:
  ZORVar() = default;
  ZORVar(std::nullptr_t) {}  // NOLINT(google-explicit-constructor): handles read like pointers

  template <class J>
  ZORVar(J* p) {  // NOLINT(google-explicit-constructor)
    Take(p);
  }
  ZORVar(const ZORVar& other) { Take(other.p_); }
  ZORVar(ZORVar&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  template <class J>
  ZORVar(const ZORVar<J>& other) {  // NOLINT(google-explicit-constructor)
    Take(other.get());
  }
  ~ZORVar() { Reset(); }

  ZORVar& operator=(const ZORVar& other) {
    if (this != &other) ZORVar(other).swap(*this);
    return *this;
  }
  ZORVar& operator=(ZORVar&& other) noexcept {
    ZORVar(std::move(other)).swap(*this);
    return *this;
  }
  template <class J>
  ZORVar& operator=(const ZORVar<J>& other) {
    ZORVar(other).swap(*this);
    return *this;
  }
  template <class J>
  ZORVar& operator=(J* p) {
    ZORVar(p).swap(*this);
    return *this;
  }
  ZORVar& operator=(std::nullptr_t) {
    Reset();
    return *this;
  }

  // Takes over a reference the caller already owns (a new object, a QueryInterface result).
  static ZORVar Adopt(I* p) {
    ZORVar v;
    v.p_ = p;
    return v;
  }
  // Hands the held reference to the caller.
  I* Detach() { return std::exchange(p_, nullptr); }

  void Reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }
  void swap(ZORVar& other) noexcept { std::swap(p_, other.p_); }

  I* get() const { return p_; }
  I* operator->() const { return p_; }
  I& operator*() const { return *p_; }
  explicit operator bool() const { return p_ != nullptr; }
  bool operator!() const { return p_ == nullptr; }
  operator I*() const { return p_; }  // NOLINT(google-explicit-constructor)

  // Handles compare by the identity of their components.
  template <class J>
  bool operator==(const ZORVar<J>& other) const {
    return ZORIsSameObject(p_, other.get());
  }
  bool operator==(std::nullptr_t) const { return p_ == nullptr; }

 private:
  template <class J>
  void Take(J* p) {
    if (!p) return;
    // Called through the interface held rather than through the base component, whose table
    // pointer lies at the far end of a large object: a walk over many objects then reads one
    // line of each instead of two.
    if constexpr (std::is_convertible_v<J*, I*>) {
      p->AddRef();
      p_ = p;
    } else {
      void* out = nullptr;
      if (SUCCEEDED(p->QueryInterface(I::ClassIID(), &out))) {
        p_ = static_cast<I*>(out);
      }
    }
  }

  I* p_ = nullptr;
};

// A handle on a newly created object, taking over its creation reference.
template <class T, class... Args>
ZORVar<T> ZORMake(Args&&... args) {
  return ZORVar<T>::Adopt(new T(std::forward<Args>(args)...));
}

using ZORBaseUnknown_var = ZORVar<ZORBaseUnknown>;
