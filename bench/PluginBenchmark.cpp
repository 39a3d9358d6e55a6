#include "bench/PluginBenchmark.h"

#include <QCoreApplication>
#include <random>
#include <stdexcept>

#include "bench/BareScans.h"
#include "bench/HostRecords.h"
#include "bench/LogReadingScans.h"
#include "bench/Median.h"
#include "bench/ProcessMemory.h"
#include "bench/SqliteLog.h"

namespace q9x::bench {

namespace {
void require(bool ok, const std::string& what)
{
  if (!ok) throw std::runtime_error("check failed: " + what);
}

double secondsOf(auto&& work) { return medianSeconds(1, work); }

// Processor and wall-clock seconds of one run of work.
double secondsOf(auto&& work, std::vector<double>& wall)
{
  const double start = wallNanos();
  const double seconds = secondsOf(work);
  wall.push_back((wallNanos() - start) / 1e9);
  return seconds;
}

// The seconds of one run of work, and the peak resident growth during it.
double secondsAndPeakOf(std::size_t& peak, auto&& work, std::vector<double>* wall = nullptr)
{
  resetPeakResident();
  const std::size_t before = residentNow();
  const double seconds = wall ? secondsOf(work, *wall) : secondsOf(work);
  peak = residentPeak() - before;
  return seconds;
}
}  // namespace

PluginBenchmark::PluginBenchmark(const BenchmarkPlan& plan, PluginLibrary& plugin,
                                 const std::vector<GeneratedContact>& contacts, std::size_t logged,
                                 ClientScan clientScan)
    : plan_(plan), plugin_(plugin), contacts_(contacts), logged_(logged),
      clientScan_(std::move(clientScan))
{
  require(contacts_.size() >= logged_ + plan_.unloggedNeeded(), "enough unlogged contacts");
}

Figures PluginBenchmark::measure(std::size_t size)
{
  require(size <= logged_, "a log of that size");
  Figures f;
  f.size = size;
  const std::string table = logTableName(size);
  measureRecalc(f, table);
  measureCalls(f, table);
  return f;
}

// Every call carries the host's table name into the plug-in's current record,
// which is where the next Recalc takes it from.
void PluginBenchmark::useTable(const std::string& table)
{
  TPluginRecord r = hostRecord(Station{table});
  unsigned char answer[256];
  plugin_.GrabNumber(&r, answer);
}

// Clicks Recalc and lets the window repaint its figures, as the host's
// event loop does next.
void PluginBenchmark::recalc(const std::string& table, std::size_t expectedRows)
{
  useTable(table);
  ErrorBoxCatcher errors;
  window_.recalc();
  QCoreApplication::processEvents();
  require(errors.texts().isEmpty(), "Recalc reported: " + errors.texts().join("; ").toStdString());
  require(window_.totalQsos() == static_cast<long long>(expectedRows),
          "Recalc of " + table + " shows " + std::to_string(window_.totalQsos()) + " QSOs");
}

void PluginBenchmark::measureRecalc(Figures& f, const std::string& table)
{
  // A first scan warms the file cache and the database's page cache, so the
  // memory measured next is what the plug-in holds for the contacts.
  recalc(table, f.size);
  recalc(logTableName(0), 0);
  resetPeakResident();
  const std::size_t heapBefore = heapInUse();
  const std::size_t residentBefore = residentNow();

  std::vector<double> recalcWalls;
  std::vector<double> recalcs{secondsOf([&] { recalc(table, f.size); }, recalcWalls)};
  f.heapHeld = heapInUse() - heapBefore;
  f.peakResident = residentPeak() - residentBefore;

  // The kinds take turns, so a slow spell of the machine hits each. The
  // first run of each also gives its peak memory.
  std::vector<double> qtScans, clientScans, clientScanWalls, qtPathCounts, nativePathCounts;
  for (std::size_t run = 0; run < plan_.scanRuns; ++run) {
    if (run > 0) recalcs.push_back(secondsOf([&] { recalc(table, f.size); }, recalcWalls));
    std::size_t peak = 0;
    qtScans.push_back(secondsAndPeakOf(
        peak, [&] { require(scanWithQtSql(table) == f.size, "Qt SQL scan rows"); }));
    if (run == 0) f.peakQtScan = peak;
    clientScans.push_back(secondsAndPeakOf(
        peak, [&] { require(clientScan_(table) == f.size, "C client scan rows"); }, &clientScanWalls));
    if (run == 0) f.peakClientScan = peak;
    qtPathCounts.push_back(secondsAndPeakOf(
        peak, [&] { require(countThroughQtSql(table) == f.size, "Qt SQL path rows"); }));
    if (run == 0) f.peakQtPathCount = peak;
    nativePathCounts.push_back(secondsAndPeakOf(
        peak, [&] { require(countThroughNativeHandle(table) == f.size, "native path rows"); }));
    if (run == 0) f.peakNativePathCount = peak;
  }
  f.recalc = median(recalcs);
  f.recalcWall = median(recalcWalls);
  f.clientScanWall = median(clientScanWalls);
  f.qtScan = median(qtScans);
  f.clientScan = median(clientScans);
  f.qtPathCount = median(qtPathCounts);
  f.nativePathCount = median(nativePathCounts);
}

std::vector<const GeneratedContact*> PluginBenchmark::unlogged(std::size_t offset,
                                                               std::size_t count) const
{
  std::vector<const GeneratedContact*> picked;
  for (std::size_t i = 0; i < count; ++i) picked.push_back(&contacts_[logged_ + offset + i]);
  return picked;
}

// Contacts spread over the whole log, so lookups do not stay in one corner
// of the register.
std::vector<const GeneratedContact*> PluginBenchmark::logged(std::size_t size,
                                                             std::size_t count) const
{
  std::mt19937 random(static_cast<unsigned>(size));
  std::vector<const GeneratedContact*> picked;
  for (std::size_t i = 0; i < count; ++i) picked.push_back(&contacts_[random() % size]);
  return picked;
}

void PluginBenchmark::measureCalls(Figures& f, const std::string& table)
{
  const Station station{table};
  const std::size_t pool = plan_.lookup.batchSize;
  const std::vector<TPluginRecord> repeated = hostRecords(station, logged(f.size, pool));
  const std::vector<TPluginRecord> fresh = hostRecords(station, unlogged(0, pool));
  const std::vector<TPluginRecord> toAdd = hostRecords(station, unlogged(pool, plan_.add.calls()));
  const std::vector<TPluginRecord> toAddAndRepaint =
      hostRecords(station, unlogged(pool + plan_.add.calls(), plan_.addRepaint.calls()));

  auto lookups = [&](const std::vector<TPluginRecord>& records, auto&& call) {
    return medianNanosPerCall(plan_.lookup.batches, pool,
                              [&](std::size_t i) { call(records[i % pool]); });
  };
  bool ok = true;
  f.getScoreNew = lookups(fresh, [&](const TPluginRecord& r) { ok &= plugin_.GetScore(&r) >= 0; });
  require(ok, "_GetScore refused a contact never logged");
  f.getScoreRepeated =
      lookups(repeated, [&](const TPluginRecord& r) { ok &= plugin_.GetScore(&r) == -1; });
  require(ok, "_GetScore accepted a contact of the log");
  unsigned char answer[256];
  f.grabNumber = lookups(repeated, [&](const TPluginRecord& r) { plugin_.GrabNumber(&r, answer); });

  f.addQso = medianNanosPerCall(plan_.add.batches, plan_.add.batchSize,
                                [&](std::size_t i) { ok &= plugin_.AddQSO(&toAdd[i]) >= 0; });
  require(ok, "_AddQSO refused a contact never logged");
  f.addQsoRepaint = medianNanosPerCall(plan_.addRepaint.batches, plan_.addRepaint.batchSize,
                                       [&](std::size_t i) {
                                         ok &= plugin_.AddQSO(&toAddAndRepaint[i]) >= 0;
                                         QCoreApplication::processEvents();
                                       });
  require(ok, "_AddQSO refused a contact never logged");
  require(window_.totalQsos() ==
              static_cast<long long>(f.size + plan_.add.calls() + plan_.addRepaint.calls()),
          "the statistics window shows every contact added");
}

}  // namespace q9x::bench
