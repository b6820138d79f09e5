#pragma once
// Owners of the host's own handles: each frees its handle when it goes out of
// scope, so no path of a command leaks one.

#include <windows.h>

#include <utility>

namespace host {

template <typename Handle, typename Deleter>
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
    if (handle_) Deleter{}(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_{};
};

struct DeleteGdiObject {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DeleteMemoryDc {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct CloseKernelHandle {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct UnhookHook {
  void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};

using OwnedBitmap = Owned<HBITMAP, DeleteGdiObject>;
using OwnedMemoryDc = Owned<HDC, DeleteMemoryDc>;
using OwnedHandle = Owned<HANDLE, CloseKernelHandle>;
using OwnedHook = Owned<HHOOK, UnhookHook>;

// A window's DC from GetDC (or GetWindowDC, frame included), given back
// with ReleaseDC.
class BorrowedWindowDc {
 public:
  explicit BorrowedWindowDc(HWND window, bool withFrame = false)
      : window_(window), dc_(withFrame ? GetWindowDC(window) : GetDC(window)) {}
  BorrowedWindowDc(const BorrowedWindowDc&) = delete;
  BorrowedWindowDc& operator=(const BorrowedWindowDc&) = delete;
  ~BorrowedWindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// SelectObject for one scope.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;
  ~Selected() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace host
