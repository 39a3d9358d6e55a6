#pragma once
// What reading a log needs to know of a host's QPSQL connection, whichever
// way the rows are then read.

#include <QSqlDatabase>
#include <QString>
#include <libpq-fe.h>
#include <string>

class QSqlDriver;

namespace q9x {

// The driver's libpq connection, or null when it holds none.
PGconn* postgresConnectionOf(const QSqlDriver& driver);

// Throws when a statement of the host's still has results on the
// connection: a statement run now would throw them away.
void requireNoPendingStatement(const QSqlDatabase& db, const QString& connectionName);

// The statement with the rows of one callsign in the order they were logged
// (their place in the table), so that the same log always gives the same
// figures: the server leaves the order of equal callsigns open and, sorting
// in parallel, returns them differently from one run to the next. Relations
// without that order (views) are read as they come.
QString inLoggedOrder(const QSqlDatabase& db, const std::string& table, const QString& statement);

}  // namespace q9x
