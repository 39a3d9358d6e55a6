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

  // environment: variables to set over the test's own; an empty value
  // removes the variable.
  HostRun run(const QStringList& arguments, const QStringList& environment = {}) const;

 private:
  QTemporaryDir dir_;
};

// Rows of a log table, counted over a connection of the test's own.
qint64 countRows(const QString& sqliteFile, const QString& table);

// The text of a file; empty when it cannot be read.
QString fileText(const QString& path);
void writeFile(const QString& path, const QString& text);
