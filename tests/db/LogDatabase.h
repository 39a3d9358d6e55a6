#pragma once
// Log tables for the database tests, built the way a host logger stores its
// contacts, in whichever Qt SQL database the test opened.

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <ostream>
#include <string>
#include <vector>

#include "engine/ContestEngine.h"

namespace q9x::test {

// One contact row; a null QVariant is a database NULL.
struct LogEntry {
  QVariant CallSign;
  QVariant DigiBand = QStringLiteral("7");
  QVariant QSOMode = QStringLiteral("RTTY");
  QVariant QSOReportRecived = QStringLiteral("599 AB");
  QVariant MainPrefix = QStringLiteral("UA3A");
  QVariant DXCCPrefix = QStringLiteral("UA3A");
  QVariant Continent = QStringLiteral("EU");
};

// Creates a temporary table with the seven log columns and an Id, seen only
// through this connection (so test programs running in parallel on one server
// never meet), and fills it. callSignType is the CallSign column's type, with
// its collation where the test needs one.
void createLogTable(QSqlDatabase db, const QString& table, const std::vector<LogEntry>& rows,
                    const QString& callSignType = QStringLiteral("text"));

// Runs a statement of the test's own; fails the test with the database's text.
void execute(QSqlDatabase db, const QString& statement);

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

}  // namespace q9x::test

// Lets GoogleTest print texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
