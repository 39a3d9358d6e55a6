#pragma once
// Stand-ins for what a front-end gives a scoring session: a log in memory, a
// host whose call the test sets, and an event pump that runs the test's own
// "events" (host calls, releases, destruction) when the session lets events run.

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "engine/LogReader.h"
#include "session/ScoringSession.h"

namespace q9x::coretest {

inline LogRow logged(std::string call, std::string band)
{
  return LogRow{"599 AB", "UA3A", "UA3A", std::move(call), std::move(band), "RTTY", ""};
}

// The host's log, shared with the readers the session makes.
struct FakeLog {
  std::vector<LogRow> rows;
  std::optional<std::size_t> failAt;  // the read of this row throws
  bool failOpen = false;
  bool open = false;

  LogReaderFactory readers()
  {
    return [this](std::int32_t) -> std::unique_ptr<LogReader> { return std::make_unique<Reader>(*this); };
  }

 private:
  struct Reader final : LogReader {
    explicit Reader(FakeLog& log) : log_(log) {}
    void open(const std::string& table) override
    {
      if (log_.failOpen) throw std::runtime_error("no such table: " + table);
      log_.open = true;
      at_ = 0;
    }
    void resumeAfterEvents() override {}
    void close() override { log_.open = false; }
    bool next(LogRow& row) override
    {
      if (log_.failAt == at_) throw std::runtime_error("disk I/O error");
      if (at_ >= log_.rows.size()) return false;
      row = log_.rows[at_++];
      return true;
    }
    FakeLog& log_;
    std::size_t at_ = 0;
  };
};

struct FakeHost final : SessionHost {
  SessionContext current{0, "Log", "Test host", "UA3A", "7"};
  std::optional<LogRow> failedRow;
  SessionContext context() const override { return current; }
  void scanFailed(const LogRow& row) override { failedRow = row; }
};

// Each time events may run, runs the next queued pass (an empty one does nothing).
struct FakePump final : SessionFrontEnd, SessionObserver {
  std::deque<std::function<void()>> passes;
  int destructionsAsked = 0;
  std::vector<SessionChange> changes;
  void runPendingEvents() override
  {
    if (passes.empty()) return;
    auto pass = std::move(passes.front());
    passes.pop_front();
    if (pass) pass();
  }
  void destroyLater() override { ++destructionsAsked; }
  void changed(const SessionChange& change) override { changes.push_back(change); }
};

inline const std::filesystem::path kNoAreaFile = "/nonexistent/Q9XCup.dom";

}  // namespace q9x::coretest
