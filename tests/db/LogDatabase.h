#pragma once
// The logs of the database tests: a weekend's contacts in the shared log
// table, and the figures the engine counted from them as text.

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "engine/ContestEngine.h"
#include "platform/qt/ConnectionLogReader.h"
#include "tests/support/LogTable.h"

namespace q9x::test {

using q9xtest::createLogTable;
using q9xtest::execute;
using q9xtest::LogEntry;

// A log of a multi-operator weekend: callsigns in mixed case and with
// portable suffixes, contacts repeated on the same band and mode, every band
// the host knows plus odd band texts, area and RDA exchanges.
std::vector<LogEntry> weekendLog(int rows);

// The number of distinct (callsign, band, mode) contacts in rows.
std::size_t distinctContacts(const std::vector<LogEntry>& rows);

// Everything the engine counted, as text, for comparing two recalculations.
// With keepOrder bands, multipliers and register are listed in the engine's
// order, otherwise sorted, for logs whose rows may tie on the callsign.
std::string describeFigures(const ContestEngine& engine, bool keepOrder);

// The two ways a test reads a log: through Qt SQL only, or the fastest way
// the connection allows, as the plug-in does.
enum class Reading { QtSqlOnly, Fastest };
std::unique_ptr<ConnectionLogReader> logReader(Reading reading, std::int32_t connection);
// Whether the reader's last statement was read through a native handle.
bool readsNatively(const ConnectionLogReader& reader);

// What reading the table Log leaves, for comparing two ways of reading it:
// the error it raised (empty when none), the figures counted up to then,
// the record's fields after the scan, and whether it was read natively.
struct LogReadOutcome {
  std::string error;
  std::string figures;
  std::string record;
  bool native = false;
};
// Counts the table Log through the reader into a fresh engine, for an
// operator in UA3A, running events where pending events run once the query
// is open; the reader is closed afterwards.
LogReadOutcome readLog(ConnectionLogReader& reader, const std::function<void()>& events);

// A test that needs the PostgreSQL server scripts/postgres.sh starts, named
// by Q9X_PG_*: without one it is skipped, and under CI it fails.
class PostgresServerTest : public ::testing::Test {
 protected:
  void SetUp() override;
};
// A connection of that name to the server's database; a failure to open it
// fails the test.
QSqlDatabase openPostgresServer(const QString& connectionName);

}  // namespace q9x::test

// Lets GoogleTest print texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
