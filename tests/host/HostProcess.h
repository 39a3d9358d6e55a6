#pragma once
// Runs q9x-host as a user or a script would, in a scratch folder with its own
// settings folder.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct HostRun {
  int exitCode = -1;
  QString out;
  QString err;
};

class HostProcess {
 public:
  HostProcess();

  // A file path inside the scratch folder.
  QString path(const QString& name) const;

  HostRun run(const QStringList& arguments) const;

 private:
  QTemporaryDir dir_;
};

// Rows of a log table, counted over a connection of the test's own.
qint64 countRows(const QString& sqliteFile, const QString& table);
