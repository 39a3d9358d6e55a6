// Reading a long log must not cost a heap allocation per row: the row's texts
// are reused, and only what the register must keep (a new block of entries,
// a larger index, a multiplier never worked before) allocates. This program
// counts every allocation through operator new to check that.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "engine/LogScan.h"

namespace {
std::atomic<std::size_t> allocations{0};
}  // namespace

void* operator new(std::size_t size)
{
  ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
// The memory comes from malloc, so free is its release; once both are inlined
// into a test's creation, GCC no longer sees that pairing.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace q9x {
namespace {

// Contacts first.. on two bands with distinct callsigns and reports longer
// than a short string's inline room, ending in one of five codes.
class NumberedRows final : public LogSource {
 public:
  NumberedRows(int first, int count) : at_(first), end_(first + count) {}
  bool next(LogRow& row) override
  {
    if (at_ == end_) return false;
    const int n = at_++;
    const bool area = n % 2 == 0;
    // Assigned into the row's texts, so that the source allocates nothing.
    row.QSOReportRecived.assign("599 0017 a long remark ").append(area ? "a" : "mo4");
    row.QSOReportRecived.push_back(static_cast<char>((area ? 'b' : '0') + n % 5));
    row.MainPrefix.assign(area ? "UA3A" : "UA9");
    row.CallSign.assign("RW9W").append(std::to_string(n));
    row.DigiBand.assign(n % 3 ? "7" : "3.5");
    row.QSOMode.assign("RTTY");
    return true;
  }

 private:
  int at_;
  int end_;
};

TEST(CountAllocations, RowsAddingNothingNewToKeepAllocateNothing)
{
  ContestEngine engine;
  LogRow row;
  NumberedRows warmUp(0, 5000);  // every band, code and register block in use
  countLog(engine, warmUp, row, "UA3A");

  NumberedRows more(5000, 3000);  // new contacts, nothing else new
  allocations = 0;
  EXPECT_EQ(countLog(engine, more, row, "UA3A"), 3000u);
  EXPECT_LT(allocations.load(), 8u);

  NumberedRows repeats(0, 8000);
  allocations = 0;
  EXPECT_EQ(countLog(engine, repeats, row, "UA3A"), 8000u);
  EXPECT_EQ(allocations.load(), 0u);
  EXPECT_EQ(engine.qsoList().size(), 8000u);
  EXPECT_EQ(engine.stats().totals().Area + engine.stats().totals().Rda, 2 * 5 * 2);
}

}  // namespace
}  // namespace q9x
