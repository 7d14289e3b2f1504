#pragma once
// Processor time of this process, in seconds: growth tests compare it rather than the wall clock,
// so that other programs running meanwhile cannot make a linear run look quadratic.

#include <ctime>

namespace testing_support {

inline double secondesCpu() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

}  // namespace testing_support
