#pragma once
// The benchmark's logs on a PostgreSQL server (the throw-away cluster of
// scripts/postgres.sh, named by Q9X_PG_HOST, Q9X_PG_PORT, Q9X_PG_USER and
// Q9X_PG_DATABASE): the same tables as the SQLite log, written through libpq,
// and the bare libpq scan of the log statement.

#include <cstddef>
#include <string>
#include <vector>

#include <libpq-fe.h>

#include "bench/LogTableLayout.h"

namespace q9x::bench {

// The server's libpq connection string; throws when Q9X_PG_PORT is unset.
std::string postgresConnectionInfo();

// Opens Qt SQL's default connection (QPSQL) on the server.
void openDefaultPostgresConnection();

// Replaces the tables "log_0" and "log_N" for every size, as writeLogDatabase
// does for SQLite. Throws std::runtime_error with the server's text.
void writePostgresLog(const std::string& connectionInfo, const std::vector<GeneratedContact>& contacts,
                      const std::vector<std::size_t>& sizes, const LogTableShape& shape);

// The log statement on a connection of its own, opened beforehand so that a
// timed scan does not include connecting.
class LibpqScanner {
 public:
  explicit LibpqScanner(const std::string& connectionInfo);
  ~LibpqScanner();
  LibpqScanner(const LibpqScanner&) = delete;
  LibpqScanner& operator=(const LibpqScanner&) = delete;

  // Row by row (single-row mode, so the client holds one row at a time),
  // each of the seven columns read with PQgetvalue. Returns the rows read.
  std::size_t scan(const std::string& table);

 private:
  PGconn* db_;
};

}  // namespace q9x::bench
