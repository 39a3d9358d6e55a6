#include "WindowTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QEvent>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <stdexcept>

#include "plugin/RecordFields.h"
#include "plugin/ShortString.h"

namespace q9x::test {

namespace {
QSqlDatabase defaultDatabase()
{
  if (!QSqlDatabase::contains()) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QStringLiteral(":memory:"));
    if (!db.open()) throw std::runtime_error("cannot open the test log database");
  }
  return QSqlDatabase::database();
}

void exec(QSqlQuery& query, const QString& statement)
{
  if (!query.exec(statement)) throw std::runtime_error(query.lastError().text().toStdString());
}
}  // namespace

HostLog::HostLog()
{
  QSqlQuery query(defaultDatabase());
  exec(query, QStringLiteral("DROP TABLE IF EXISTS Log"));
  exec(query, QStringLiteral("CREATE TABLE Log (CallSign TEXT, DigiBand TEXT, QSOMode TEXT, "
                             "Continent TEXT, QSOReportRecived TEXT, MainPrefix TEXT, DXCCPrefix TEXT)"));
}

HostLog::~HostLog()
{
  QSqlQuery query(defaultDatabase());
  query.exec(QStringLiteral("DROP TABLE IF EXISTS Log"));
}

void HostLog::add(const LoggedContact& c)
{
  QSqlQuery query(defaultDatabase());
  query.prepare(QStringLiteral("INSERT INTO Log VALUES (?, ?, ?, 'EU', ?, ?, ?)"));
  for (const std::string* field : {&c.callSign, &c.band, &c.mode, &c.report, &c.mainPrefix, &c.mainPrefix})
    query.addBindValue(QString::fromStdString(*field));
  if (!query.exec()) throw std::runtime_error(query.lastError().text().toStdString());
}

ErrorCapture::ErrorCapture()
{
  previous_ = setErrorSink([this](const QString& text) { errors_.append(text); });
}

ErrorCapture::~ErrorCapture() { setErrorSink(previous_); }

TPluginRecord hostRecord(const std::string& tableName)
{
  defaultDatabase();
  TPluginRecord record{};
  record.Connection = 0;
  writeShort(record.TableName, tableName);
  writeShort(record.CaptionText, "Test host");
  writeShort(record.MyMainPrefix, "UA3A");
  writeShort(record.DigiBand, "7");
  return record;
}

StatisticsWindow::StatisticsWindow(const std::string& tableName)
    : window_((forgetStoredSettings(), new TfmMainForm(hostRecord(tableName), current_)))
{
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

std::int32_t StatisticsWindow::addContact(const LoggedContact& c)
{
  writeShort(current_.CallSign, c.callSign);
  writeShort(current_.DigiBand, c.band);
  writeShort(current_.QSOMode, c.mode);
  writeShort(current_.QSOReportRecived, c.report);
  writeShort(current_.MainPrefix, c.mainPrefix);
  writeShort(current_.DXCCPrefix, c.mainPrefix);
  std::int32_t points = window_->engine().scoreQso(contactOf(current_), true);
  window_->ShowStatistic();
  return points;
}

QString StatisticsWindow::cell(int column, int row) const
{
  const auto* grid = window_->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
  const QTableWidgetItem* item = grid->item(row, column);
  return item ? item->text() : QString();
}

QStringList StatisticsWindow::row(int row) const
{
  QStringList texts;
  for (int column = 0; column < 5; ++column) texts.append(cell(column, row));
  return texts;
}

QString StatisticsWindow::scoreLine() const
{
  return window_->findChild<QLabel*>(QStringLiteral("Label1"))->text();
}

void forgetStoredSettings()
{
  QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Software"))
      .removeRecursively();
}

void settle()
{
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

bool isReddish(QRgb pixel)
{
  return qRed(pixel) > 180 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

}  // namespace q9x::test
