#pragma once
// Timing by repeated batches: each batch's time per call, and the median of
// the batches, which a stray interruption does not move. Time is the calling
// thread's processor time: the machine is shared (other builds run beside
// the benchmark), and waiting for a processor is not the plug-in's cost.
// Everything the plug-in does runs on this thread.

#include <time.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace q9x::bench {

// Processor time of the calling thread, in nanoseconds.
inline double threadNanos()
{
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

// The time of day by a steady clock, in nanoseconds.
inline double wallNanos()
{
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

inline double median(std::vector<double> values)
{
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Runs call(i) for i = 0 .. batches*batchSize-1 and returns the median of the
// batches' mean time per call, in nanoseconds.
template <class Call>
double medianNanosPerCall(std::size_t batches, std::size_t batchSize, Call&& call)
{
  std::vector<double> perCall;
  std::size_t i = 0;
  for (std::size_t b = 0; b < batches; ++b) {
    const double start = threadNanos();
    for (std::size_t k = 0; k < batchSize; ++k) call(i++);
    perCall.push_back((threadNanos() - start) / static_cast<double>(batchSize));
  }
  return median(perCall);
}

// The median time of whole runs of work(), in seconds.
template <class Work>
double medianSeconds(std::size_t runs, Work&& work)
{
  std::vector<double> seconds;
  for (std::size_t r = 0; r < runs; ++r) {
    const double start = threadNanos();
    work();
    seconds.push_back((threadNanos() - start) / 1e9);
  }
  return median(seconds);
}

}  // namespace q9x::bench
