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


namespace q9x::test {

namespace {
void execOrThrow(QSqlQuery& query, const QString& statement = {})
{
  if (!(statement.isEmpty() ? query.exec() : query.exec(statement)))
    throw std::runtime_error(query.lastError().text().toStdString());
}

void openLogDatabase()
{
  if (QSqlDatabase::contains()) return;
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
  db.setDatabaseName(QStringLiteral(":memory:"));
  db.open();
}

void forgetStoredSettings()
{
  QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Software").removeRecursively();
}
}  // namespace

HostLog::HostLog()
{
  openLogDatabase();
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
  openLogDatabase();
  host_.current = SessionContext{0, "Log", "Test host", "UA3A", "7"};
  window_ = new TfmMainForm(host_);
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
  // The host's current band is the band of the contact it added last.
  host_.current.band = c.band;
  window_->session().count(Contact{c.callSign, c.band, "FT8", c.report, c.mainPrefix, "", "UA3A"});
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
