#include "WindowTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTableWidget>
#include <stdexcept>

#include "plugin/RecordFields.h"
#include "plugin/ShortString.h"

namespace q9x::test {

namespace {
void execOrThrow(QSqlQuery& query, const QString& statement = {})
{
  if (!(statement.isEmpty() ? query.exec() : query.exec(statement)))
    throw std::runtime_error(query.lastError().text().toStdString());
}

TPluginRecord hostRecord()
{
  if (!QSqlDatabase::contains()) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QStringLiteral(":memory:"));
    db.open();
  }
  TPluginRecord record{};
  writeShort(record.TableName, "Log");
  writeShort(record.CaptionText, "Test host");
  writeShort(record.MyMainPrefix, "UA3A");
  writeShort(record.DigiBand, "7");
  return record;
}

void forgetStoredSettings()
{
  QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Software").removeRecursively();
}
}  // namespace

HostLog::HostLog()
{
  hostRecord();
  QSqlQuery query;
  execOrThrow(query, QStringLiteral("DROP TABLE IF EXISTS Log"));
  execOrThrow(query, QStringLiteral("CREATE TABLE Log (CallSign TEXT, DigiBand TEXT, QSOMode TEXT, Continent "
                                    "TEXT, QSOReportRecived TEXT, MainPrefix TEXT, DXCCPrefix TEXT)"));
}

void HostLog::add(const LoggedContact& c)
{
  QSqlQuery query;
  query.prepare(QStringLiteral("INSERT INTO Log VALUES (?, ?, 'FT8', 'EU', ?, ?, ?)"));
  for (const std::string* field : {&c.callSign, &c.band, &c.report, &c.mainPrefix, &c.mainPrefix})
    query.addBindValue(QString::fromStdString(*field));
  execOrThrow(query);
}

ErrorCapture::ErrorCapture()
    : previous_(setErrorSink([this](const QString& text) { errors_.append(text); }))
{
}

ErrorCapture::~ErrorCapture() { setErrorSink(previous_); }

StatisticsWindow::StatisticsWindow()
{
  forgetStoredSettings();
  window_ = new TfmMainForm(hostRecord(), current_);
}

StatisticsWindow::~StatisticsWindow()
{
  delete window_.data();
  settle();
}

void StatisticsWindow::show()
{
  window_->show();
  settle();
}

void StatisticsWindow::addContact(const LoggedContact& c)
{
  writeShort(current_.CallSign, c.callSign);
  writeShort(current_.DigiBand, c.band);
  writeShort(current_.QSOMode, "FT8");
  writeShort(current_.QSOReportRecived, c.report);
  writeShort(current_.MainPrefix, c.mainPrefix);
  window_->engine().scoreQso(contactOf(current_), true);
  window_->ShowStatistic();
}

QStringList StatisticsWindow::row(int row) const
{
  const auto* grid = child<QTableWidget>("StringGrid1");
  QStringList texts;
  for (int column = 0; column < 5; ++column)
    texts.append(grid->item(row, column) ? grid->item(row, column)->text() : QString());
  return texts;
}

QString StatisticsWindow::scoreLine() const { return child<QLabel>("Label1")->text(); }

void settle()
{
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

}  // namespace q9x::test
