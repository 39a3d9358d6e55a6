// Measures the plug-in as a host uses it: the per-contact calls at growing
// register sizes, the Recalc of a whole log beside the bare database scan of
// the same statement, and the memory held per contact. Exits non-zero when
// the plug-in gives a wrong answer on any measured path.
//
//   q9x-bench [--sizes 1000,10000,100000,1000000] [--runs N] [--quick] [--no-index]
//             [--seven-columns] [--postgres] [--plugin PATH]
//
// With --postgres the logs are on the PostgreSQL server of scripts/postgres.sh
// (Q9X_PG_*) instead of an SQLite file, and the bare C scan is libpq's.

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "bench/AreaWindowBenchmark.h"
#include "bench/BareScans.h"
#include "bench/ContactGenerator.h"
#include "bench/HostRecords.h"
#include "bench/PluginBenchmark.h"
#include "bench/PostgresLog.h"
#include "bench/Report.h"
#include "bench/SqliteLog.h"
#include "hostkit/PluginLibrary.h"

using namespace q9x::bench;
using q9xkit::defaultPluginPath;

namespace {

struct Options {
  std::vector<std::size_t> sizes = {1000, 10000, 100000, 1000000};
  BenchmarkPlan plan{5, {41, 1024}, {21, 50}, {11, 20}};
  QString pluginPath;
  LogTableShape shape;
  bool postgres = false;
  long areaLines = 1000000;
  long areaWorked = 200000;
};

Options parseOptions(const QStringList& args)
{
  Options o;
  for (qsizetype i = 1; i < args.size(); ++i) {
    const QString& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--quick") {
      o.plan = {1, {5, 64}, {5, 20}, {3, 5}};  // one short pass, to see that all works
      o.areaLines = 10000;
      o.areaWorked = 2000;
    } else if (arg == "--no-index") {
      o.shape.indexCallSign = false;
    } else if (arg == "--seven-columns") {
      o.shape.readColumnsOnly = true;
    } else if (arg == "--postgres") {
      o.postgres = true;
    } else if (arg == "--runs" && hasValue) {
      o.plan.scanRuns = args[++i].toULongLong();
    } else if (arg == "--area-lines" && hasValue) {
      o.areaLines = args[++i].toLong();
    } else if (arg == "--area-worked" && hasValue) {
      o.areaWorked = args[++i].toLong();
    } else if (arg == "--plugin" && hasValue) {
      o.pluginPath = args[++i];
    } else if (arg == "--sizes" && hasValue) {
      o.sizes.clear();
      for (const QString& size : args[++i].split(',')) o.sizes.push_back(size.toULongLong());
    } else {
      throw std::invalid_argument(
          "usage: q9x-bench [--sizes N,N,...] [--runs N] [--quick] [--no-index] [--seven-columns] [--postgres] [--plugin PATH]"
          " [--area-lines N] [--area-worked N]");
    }
  }
  if (o.plan.scanRuns == 0 || std::count(o.sizes.begin(), o.sizes.end(), 0))
    throw std::invalid_argument("sizes and runs must be positive numbers");
  std::sort(o.sizes.begin(), o.sizes.end());
  return o;
}

void openDefaultConnection(const QString& path)
{
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
  db.setDatabaseName(path);
  if (!db.open()) throw std::runtime_error(db.lastError().text().toStdString());
}

int run(const QStringList& args)
{
  if (int exitCode = 0; runAreaWindowChild(args, exitCode)) return exitCode;
  const Options options = parseOptions(args);
  const std::size_t logged = options.sizes.back();

  std::fprintf(stderr, "generating %zu contacts and their logs...\n", logged);
  const std::vector<GeneratedContact> contacts =
      generateContacts(logged + options.plan.unloggedNeeded());
  QTemporaryDir folder;
  if (!folder.isValid()) throw std::runtime_error("no temporary folder");
  const std::string databasePath = folder.filePath(QStringLiteral("log.sqlite")).toStdString();
  std::unique_ptr<LibpqScanner> libpq;
  ClientScan clientScan;
  if (options.postgres) {
    const std::string server = postgresConnectionInfo();
    writePostgresLog(server, contacts, options.sizes, options.shape);
    openDefaultPostgresConnection();
    libpq = std::make_unique<LibpqScanner>(server);
    clientScan = [&](const std::string& table) { return libpq->scan(table); };
  } else {
    writeLogDatabase(databasePath, contacts, options.sizes, options.shape);
    openDefaultConnection(QString::fromStdString(databasePath));
    clientScan = [&](const std::string& table) { return scanWithSqlite(databasePath, table); };
  }

  PluginLibrary plugin(options.pluginPath.isEmpty() ? defaultPluginPath() : options.pluginPath);
  const TPluginRecord opening = hostRecord(Station{logTableName(0)});
  if (plugin.Run(0, &opening) == 0) throw std::runtime_error("_Run opened no window");

  std::vector<Figures> figures;
  {
    PluginBenchmark benchmark(options.plan, plugin, contacts, logged, clientScan);
    for (std::size_t size : options.sizes) {
      std::fprintf(stderr, "measuring %zu contacts...\n", size);
      figures.push_back(benchmark.measure(size));
    }
  }
  plugin.Release();
  QCoreApplication::processEvents();

  printMachine(stdout);
  std::printf("Log tables of %s columns, %s an index on CallSign, on %s.\n\n",
              options.shape.readColumnsOnly ? "the seven read" : "a logger's 13",
              options.shape.indexCallSign ? "with" : "without",
              options.postgres ? "the PostgreSQL server" : "an SQLite file");
  printReport(stdout, figures, options.postgres ? "libpq" : "SQLite C");
  if (options.postgres) return 0;  // the area window does not depend on the log's database
  printAreaWindowFigures(stdout, options.pluginPath.isEmpty() ? defaultPluginPath() : options.pluginPath,
                         options.areaLines, options.areaWorked);
  return 0;
}

}  // namespace

int main(int argc, char** argv)
{
  // The statistics window needs no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The arguments as given: QApplication takes "-plugin" (and "--plugin")
  // for a platform plug-in of its own and removes it.
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  std::vector<char*> qtArgs;
  for (int i = 0; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--plugin") {
      ++i;
      continue;
    }
    qtArgs.push_back(argv[i]);
  }
  int qtCount = static_cast<int>(qtArgs.size());
  QApplication app(qtCount, qtArgs.data());
  try {
    return run(args);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "q9x-bench: %s\n", e.what());
    return 1;
  }
}
