#pragma once
// The logs of the database tests: a weekend's contacts in the shared log
// table, and the figures the engine counted from them as text.

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
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

}  // namespace q9x::test

// Lets GoogleTest print texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
