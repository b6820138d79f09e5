#pragma once
// A screen reader's side of a gauge, for the soak: the accessible object of
// a gauge window, kept and read as a client reads it.

#include <windows.h>
#include <oleacc.h>

#include <string>

#include "toolkit/com_ref.h"

namespace harness {

class GaugeReader {
 public:
  // The object of the gauge window inside an object's window (its first
  // child); none when there is no gauge window.
  explicit GaugeReader(HWND objectWindow);
  bool Attached() const { return static_cast<bool>(object_); }

  // Reads role, name, state and location; true when every call succeeded,
  // the role is a progress bar and the name and value are the given ones.
  bool Reads(const std::wstring& name, const std::wstring& value) const;
  // Whether every call now answers that the object is gone.
  bool Disconnected() const;

 private:
  tk::ComRef<IAccessible> object_;
};

// What the platform itself keeps, in KB, each time a client takes an
// accessible object from a window, measured over `samples` takes from a
// window of the harness's own that hands over the standard object as the
// gauge hands over its own. Wine's COM keeps about 2 KB per marshalled
// interface even after both sides let go; Windows keeps nothing.
double PlatformKeptPerTakeKb(int samples);

}  // namespace harness
