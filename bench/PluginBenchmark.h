#pragma once
// Drives the open plug-in at one log size after another: fills the register
// by a Recalc of the log, times that Recalc against the bare scans, then times
// the per-contact calls against the full register. Every figure is checked
// against the answer the plug-in must give, so a broken path fails loudly.

#include <functional>
#include <string>
#include <vector>

#include "bench/ContactGenerator.h"
#include "bench/Figures.h"
#include "bench/StatisticsWindow.h"
#include "hostkit/PluginLibrary.h"

namespace q9x::bench {

using q9xkit::PluginLibrary;

// How many timed calls a per-contact figure takes: batches of a size.
struct CallPlan {
  std::size_t batches;
  std::size_t batchSize;
  std::size_t calls() const { return batches * batchSize; }
};

struct BenchmarkPlan {
  std::size_t scanRuns;  // whole-log scans of each kind per size
  CallPlan lookup;       // _GetScore, _GrabNumber: they change nothing
  CallPlan add;          // _AddQSO: every call adds a contact never seen
  CallPlan addRepaint;   // _AddQSO, then the repaint the host's event loop runs

  // Contacts beyond the logs that the calls need.
  std::size_t unloggedNeeded() const
  {
    return lookup.batchSize + add.calls() + addRepaint.calls();
  }
};

// The bare scan of a table through the database's own C client library;
// returns the rows read.
using ClientScan = std::function<std::size_t(const std::string& table)>;

class PluginBenchmark {
 public:
  // contacts holds the logs' contacts first (`logged` of them), then contacts
  // no log holds. The plug-in's statistics window must be open.
  PluginBenchmark(const BenchmarkPlan& plan, PluginLibrary& plugin,
                  const std::vector<GeneratedContact>& contacts, std::size_t logged,
                  ClientScan clientScan);

  Figures measure(std::size_t size);

 private:
  void useTable(const std::string& table);
  void recalc(const std::string& table, std::size_t expectedRows);
  void measureRecalc(Figures& f, const std::string& table);
  void measureCalls(Figures& f, const std::string& table);
  std::vector<const GeneratedContact*> unlogged(std::size_t offset, std::size_t count) const;
  std::vector<const GeneratedContact*> logged(std::size_t size, std::size_t count) const;

  BenchmarkPlan plan_;
  PluginLibrary& plugin_;
  const std::vector<GeneratedContact>& contacts_;
  std::size_t logged_;
  ClientScan clientScan_;
  StatisticsWindow window_;
};

}  // namespace q9x::bench
