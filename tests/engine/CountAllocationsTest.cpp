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
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace q9x {
namespace {

// Contacts first..first+count-1: distinct callsigns on three bands, reports
// longer than a short text's inline room ending in one of a few codes, half
// of them from area stations.
class NumberedRows final : public LogSource {
 public:
  NumberedRows(int first, int count) : at_(first), end_(first + count) {}
  bool next(LogRow& row) override
  {
    if (at_ == end_) return false;
    const int n = at_++;
    static const char* const bands[] = {"3.5", "7", "14"};
    const bool area = n % 2 == 0;
    row.CallSign.assign(area ? "RA3A" : "RW9W").append(std::to_string(n));
    row.DigiBand.assign(bands[n % 3]);
    row.QSOMode.assign("RTTY");
    row.QSOReportRecived.assign("599 0017 a long remark ");
    if (area)
      row.QSOReportRecived.append({'a', static_cast<char>('b' + n % 5)});
    else
      row.QSOReportRecived.append("mo4").append(std::to_string(n % 5));
    row.MainPrefix.assign(area ? "UA3A" : "UA9");
    row.DXCCPrefix.assign(area ? "UA3A" : "UA9");
    row.Continent.assign("eu");
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
  EXPECT_EQ(engine.stats().totals().Area + engine.stats().totals().Rda, 3 * 5 * 2);
}

}  // namespace
}  // namespace q9x
