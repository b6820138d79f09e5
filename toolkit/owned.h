#pragma once
// One owner for every kind of handle: it frees its handle with Free when it
// goes out of scope. Header-only, so that programs which link none of the
// toolkit (the host simulator, the test support) use the same owners.
// A kind whose "no handle" is not null (a file's INVALID_HANDLE_VALUE) says
// so with a static Invalid() beside its Free's call operator.

#include <utility>

namespace tk {

template <typename Handle, typename Free>
class Owned {
 public:
  static Handle None() {
    if constexpr (requires { Free::Invalid(); }) return Free::Invalid();
    else return Handle{};
  }

  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, None())) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, None()));
    return *this;
  }
  ~Owned() { Reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != None(); }
  void Reset(Handle handle = None()) {
    if (handle_ != None()) Free{}(handle_);
    handle_ = handle;
  }
  Handle Release() { return std::exchange(handle_, None()); }

 private:
  Handle handle_ = None();
};

}  // namespace tk
