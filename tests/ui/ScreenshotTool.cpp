// Renders the statistics window and the area window over a contest log into
// two PNG files, headless:
//   q9x-ui-screenshots LOG.csv OUTPUT_DIR
// The log is a CSV file whose header names the columns of the host's log
// table; it becomes an in-memory SQLite table "Log" on the default
// connection, as a host would hold it. The area window shows band 3.5.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <cstdio>
#include <stdexcept>

#include "platform/ErrorReport.h"
#include "plugin/ShortString.h"
#include "ui/MainForm/MainForm.h"
#include "ui/domlist/domlist.h"

using namespace q9x;

namespace {

void execOrThrow(QSqlQuery& query)
{
  if (!query.exec()) throw std::runtime_error(query.lastError().text().toStdString());
}

// Loads the CSV file (plain fields, no quoting) into the table "Log".
void loadLog(const QString& csvPath)
{
  QFile file(csvPath);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
    throw std::runtime_error("cannot read " + csvPath.toStdString());
  QTextStream in(&file);
  const QStringList columns = in.readLine().split(',');

  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
  db.setDatabaseName(QStringLiteral(":memory:"));
  if (!db.open()) throw std::runtime_error(db.lastError().text().toStdString());
  QSqlQuery create(db);
  create.prepare(QStringLiteral("CREATE TABLE Log (%1 TEXT)").arg(columns.join(QStringLiteral(" TEXT, "))));
  execOrThrow(create);

  const QString placeholders = QStringLiteral("?, ").repeated(columns.size() - 1) + QStringLiteral("?");
  QSqlQuery insert(db);
  insert.prepare(QStringLiteral("INSERT INTO Log VALUES (%1)").arg(placeholders));
  while (!in.atEnd()) {
    const QStringList fields = in.readLine().split(',');
    if (fields.size() != columns.size()) continue;
    for (const QString& field : fields) insert.addBindValue(field);
    execOrThrow(insert);
  }
}

void save(QWidget* window, const QString& path)
{
  if (!window->grab().save(path)) throw std::runtime_error("cannot write " + path.toStdString());
  std::printf("%s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv)
{
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: q9x-ui-screenshots LOG.csv OUTPUT_DIR\n");
    return 2;
  }
  int failures = 0;
  setErrorSink([&failures](const QString& text) {
    std::fprintf(stderr, "error: %s\n", qPrintable(text));
    ++failures;
  });
  try {
    loadLog(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));

    TPluginRecord host{};
    writeShort(host.TableName, "Log");
    writeShort(host.CaptionText, "Sample log");
    writeShort(host.MyMainPrefix, "UA3A");
    writeShort(host.DigiBand, "7");
    TPluginRecord current{};
    auto* statistics = new TfmMainForm(host, current);
    statistics->show();
    QCoreApplication::processEvents();

    statistics->findChild<QPushButton*>(QStringLiteral("btnOBL1"))->click();
    TfmDomList* area = statistics->areaWindow();
    if (!area) throw std::runtime_error("the area window did not open");
    area->findChild<QAbstractButton*>(QStringLiteral("RzBitBtn2"))->click();
    QCoreApplication::processEvents();

    save(statistics, out.filePath(QStringLiteral("statistics-window.png")));
    save(area, out.filePath(QStringLiteral("area-window.png")));
    delete statistics;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "error: %s\n", e.what());
    return 1;
  }
  return failures == 0 ? 0 : 1;
}
