#pragma once
// Owners for COM: one reference to an interface, released when the owner
// goes; and the thread's apartment for the time of a scope. Header-only, so
// that the soak's driver and the tests use the same owners.

#include <objbase.h>

#include <utility>

namespace tk {

template <typename T>
class ComRef {
 public:
  ComRef() = default;
  // Takes over a reference the caller holds.
  explicit ComRef(T* object) : object_(object) {}
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ComRef(ComRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  ComRef& operator=(ComRef&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.object_, nullptr));
    return *this;
  }
  ~ComRef() { Reset(); }

  T* get() const { return object_; }
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  void Reset(T* object = nullptr) {
    if (T* old = std::exchange(object_, object)) old->Release();
  }
  // Where a function that hands out a reference stores it (the old one is
  // released first).
  T** Put() {
    Reset();
    return &object_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }

 private:
  T* object_ = nullptr;
};

// The calling thread in a single-threaded apartment while the scope lasts
// (when it joined one here: a thread already in one stays as it was).
class ComApartment {
 public:
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  bool Ready() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT result_;
};

}  // namespace tk
