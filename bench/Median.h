#pragma once
// Timing by repeated batches: each batch's time per call, and the median of
// the batches, which a stray interruption does not move.

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <vector>

namespace q9x::bench {

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
  using Clock = std::chrono::steady_clock;
  std::vector<double> perCall;
  std::size_t i = 0;
  for (std::size_t b = 0; b < batches; ++b) {
    const Clock::time_point start = Clock::now();
    for (std::size_t k = 0; k < batchSize; ++k) call(i++);
    const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
    perCall.push_back(spent.count() / static_cast<double>(batchSize));
  }
  return median(perCall);
}

// The median time of whole runs of work(), in seconds.
template <class Work>
double medianSeconds(std::size_t runs, Work&& work)
{
  using Clock = std::chrono::steady_clock;
  std::vector<double> seconds;
  for (std::size_t r = 0; r < runs; ++r) {
    const Clock::time_point start = Clock::now();
    work();
    seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  return median(seconds);
}

}  // namespace q9x::bench
