#pragma once
// One owner for every kind of handle: it frees its handle with Free when it
// goes out of scope. Header-only, so that programs which link none of the
// toolkit (the host simulator, the test support) use the same owners.

#include <utility>

namespace tk {

template <typename Handle, typename Free>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, Handle{}));
    return *this;
  }
  ~Owned() { Reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  void Reset(Handle handle = Handle{}) {
    if (handle_) Free{}(handle_);
    handle_ = handle;
  }
  Handle Release() { return std::exchange(handle_, Handle{}); }

 private:
  Handle handle_{};
};

}  // namespace tk
