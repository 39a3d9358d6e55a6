#include "WindowTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QSqlDatabase>
#include <QStandardPaths>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "platform/qt/ErrorReport.h"
#include "tests/support/LogTable.h"

namespace q9x::test {

namespace {
// An error box would wait for a user who is not there: any error a test does
// not capture fails it instead.
class UnexpectedErrorsFail : public ::testing::Environment {
 public:
  void SetUp() override
  {
    setErrorSink([](const QString& text) { ADD_FAILURE() << "error shown: " << text.toStdString(); });
  }
};
[[maybe_unused]] ::testing::Environment* const unexpectedErrors =
    ::testing::AddGlobalTestEnvironment(new UnexpectedErrorsFail);

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
  q9xtest::execute(QSqlDatabase::database(), QStringLiteral("DROP TABLE IF EXISTS Log"));
  q9xtest::createLogTable(QSqlDatabase::database(), QStringLiteral("Log"));
}

void HostLog::add(const LoggedContact& c)
{
  const auto text = [](const std::string& bytes) { return QString::fromStdString(bytes); };
  q9xtest::addLogRow(QSqlDatabase::database(), QStringLiteral("Log"),
                     q9xtest::LogEntry{text(c.callSign), text(c.band), QStringLiteral("FT8"),
                                       text(c.report), text(c.mainPrefix), text(c.mainPrefix),
                                       QStringLiteral("EU")});
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

}  // namespace q9x::test
