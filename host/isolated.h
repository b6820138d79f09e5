#pragma once

namespace host {

// Runs a copy of this program, made in a fresh temporary folder, with the
// same arguments less --isolated and the same current folder; waits for it,
// deletes the folder and returns the copy's exit status.
int RunIsolated();

}  // namespace host
