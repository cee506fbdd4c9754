// Small helpers shared by the benchmark programs.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <malloc.h>
#include <sys/resource.h>
#include <functional>
#include <string>
#include <vector>

namespace rovan::bench {

// The median time in milliseconds of runs calls of action.
inline double MedianMs(int runs, const std::function<void()>& action) {
  std::vector<double> tempi;
  for (int i = 0; i < runs; ++i) {
    const auto inizio = std::chrono::steady_clock::now();
    action();
    tempi.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count());
  }
  std::sort(tempi.begin(), tempi.end());
  return tempi[tempi.size() / 2];
}

// Bytes of the heap in use now.
inline long long HeapInUse() { return static_cast<long long>(mallinfo2().uordblks); }

// The peak resident memory of the process so far, in bytes.
inline long long PeakRssBytes() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<long long>(u.ru_maxrss) * 1024;
}

}  // namespace rovan::bench
