#include "HostProcess.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

HostProcess::HostProcess() = default;

QString HostProcess::path(const QString& name) const { return dir_.filePath(name); }

HostRun HostProcess::run(const QStringList& arguments, const QStringList& environment) const
{
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_CONFIG_HOME", dir_.filePath("config"));
  for (const QString& setting : environment) {
    const QString name = setting.section('=', 0, 0);
    const QString value = setting.section('=', 1);
    if (value.isEmpty())
      env.remove(name);
    else
      env.insert(name, value);
  }
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(Q9X_HOST_PATH), arguments);
  process.waitForFinished(-1);
  HostRun result;
  result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
  result.err = QString::fromLocal8Bit(process.readAllStandardError());
  return result;
}

qint64 countRows(const QString& sqliteFile, const QString& table)
{
  qint64 rows = -1;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "count");
    db.setDatabaseName(sqliteFile);
    if (db.open()) {
      QSqlQuery query(db);
      if (query.exec("SELECT COUNT(*) FROM " + table) && query.next()) rows = query.value(0).toLongLong();
    }
  }
  QSqlDatabase::removeDatabase("count");
  return rows;
}

QString fileText(const QString& path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void writeFile(const QString& path, const QString& text)
{
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(text.toUtf8());
}
