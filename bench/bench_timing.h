#pragma once
// Timing for the benchmark programs: the performance counter, and the mean
// time of one step over many.

#include <windows.h>

namespace bench {

inline double Seconds() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Runs step(0) .. step(warmUp - 1) untimed, then step(0) .. step(count - 1)
// timed, and answers the mean time of one step in microseconds.
template <typename Step>
double MicrosecondsPer(long count, Step&& step, long warmUp = 0) {
  for (long i = 0; i < warmUp; ++i) step(i);
  const double start = Seconds();
  for (long i = 0; i < count; ++i) step(i);
  return (Seconds() - start) * 1e6 / static_cast<double>(count);
}

}  // namespace bench
