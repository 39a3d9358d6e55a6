#pragma once
// What every reading of the host's log over a Qt SQL connection shares: the
// rule for the pending-events step. Across it the reader holds nothing of
// the host's connection, only its name: open() checks the table name and
// that the connection can be used, and runs nothing; resumeAfterEvents()
// looks the connection up again, as the host left it, and runs the statement
// on it. Whatever the host did meanwhile (closed, removed, reopened, wrote
// to or queried its database), the rows read are then the log's own, or the
// error says why there are none; and no statement or lock of the plug-in's
// is in the host's way while the events run.

#include <QSqlDatabase>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/LogReader.h"

namespace q9x {

class QtLogReader;

class ConnectionLogReader : public LogReader {
 public:
  explicit ConnectionLogReader(std::int32_t connection);

  // Throws for a table name that is not one, and for a connection that does
  // not exist or is not open, with the texts resumeAfterEvents() uses too.
  void open(const std::string& tableName) final;
  // Runs the log statement on the connection as it is now. Throws the
  // database's text, or a clear text when the connection is gone, closed or
  // still busy with a statement of the host's.
  void resumeAfterEvents() final;
  // Runs the statement first when no events ran since open().
  bool next(LogRow& row) final;
  void close() final;

 protected:
  // Runs the statement on db and holds it until release(); nothing lets
  // events run in between. Throws the database's text.
  virtual void run(const QSqlDatabase& db, const QString& statement) = 0;
  virtual bool read(LogRow& row) = 0;
  virtual void release() = 0;

  std::int32_t connection() const { return connection_; }
  const QString& connectionName() const { return connectionName_; }

 private:
  friend class QtLogReader;  // runs the reading it picks

  QSqlDatabase usableConnection() const;

  std::int32_t connection_;
  QString connectionName_;
  std::optional<std::string> table_;  // from open() until close()
  bool running_ = false;
};

}  // namespace q9x
