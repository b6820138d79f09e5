#pragma once

namespace host {

// Under Wine on a display without a window manager, every top-level window
// that closes waits two seconds for the manager to withdraw it. Asks Wine
// (for this program only) to leave windows unmanaged, which takes effect
// for processes started afterwards; does nothing on Windows.
void PreferUnmanagedWindowsUnderWine();

}  // namespace host
