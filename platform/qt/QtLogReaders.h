#pragma once
// The host's log over its Qt SQL connection, read the fastest way the
// connection allows each time the statement runs: natively for SQLite and
// PostgreSQL where the rows, texts and errors come out exactly as through
// Qt SQL, through Qt SQL otherwise.

#include <cstdint>
#include <memory>

#include "platform/qt/ConnectionLogReader.h"

namespace q9x {

class QtLogReader final : public ConnectionLogReader {
 public:
  using ConnectionLogReader::ConnectionLogReader;
  ~QtLogReader() override;

  // Whether the statement last run is read through a native handle.
  bool readsNatively() const { return readsNatively_; }

 private:
  // Picks the reading for the connection as it is now, then runs it.
  void run(const QSqlDatabase& db, const QString& statement) override;
  bool read(LogRow& row) override;
  void release() override;

  std::unique_ptr<ConnectionLogReader> reading_;
  bool readsNatively_ = false;
};

// The log reader the scoring session is given for the host's connection.
std::unique_ptr<LogReader> makeQtLogReader(std::int32_t connection);

}  // namespace q9x
