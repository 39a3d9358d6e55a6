// q9x-host: loads the Q9X-CUP-DIGI plug-in like a contest logger does, over a
// contest log kept in a Qt SQL database.

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>
#include <memory>
#include <optional>

#include "host/CabrilloExport.h"
#include "host/EntryWindow.h"
#include "host/HeadlessEnvironment.h"
#include "host/HostOptions.h"
#include "host/LogDatabase.h"
#include "host/LogImport.h"
#include "host/PrefixTable.h"
#include "host/Report.h"
#include "host/Screenshots.h"
#include "hostkit/ErrorBoxWatcher.h"
#include "hostkit/PluginLibrary.h"
#include "hostkit/PluginWindows.h"

using namespace q9xhost;
using q9xkit::ErrorBoxWatcher;
using q9xkit::PluginExports;
using q9xkit::PluginLibrary;

namespace {

void printTo(FILE* stream, const QString& text)
{
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

// Closes the plug-in and lets its windows go (they save their placement as
// they are destroyed) before the application ends.
void releasePlugin(const PluginExports& plugin)
{
  plugin.Release();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// What one run works on, opened before the plug-in's window.
struct Session {
  const HostOptions& options;
  const PluginExports& plugin;
  QString pluginName;
  LogDatabase& log;
  HostSession host;
  std::vector<ImportedContact> imported;
};

// The imported contacts go through the plug-in once its window has counted
// the log as it was.
void importInto(const Session& s)
{
  if (s.options.importFile.isEmpty()) return;
  const ImportResult result = addToLog(s.log, s.plugin, s.host, s.imported, s.options.importFile);
  printTo(stderr, QString("Imported %1 contacts into %2 (%3 refused as repeats)\n")
                      .arg(result.added)
                      .arg(s.options.table)
                      .arg(result.repeats));
}

// --report, --cabrillo and --screenshot: no user, so the plug-in's error
// boxes are caught and turned into the exit status.
int runHeadless(const Session& s)
{
  ErrorBoxWatcher watcher;
  const TPluginRecord rec = makeRecord(s.host);
  const intptr_t window = s.plugin.Run(0, &rec);
  QCoreApplication::processEvents();

  int status = 0;
  try {
    if (window == 0 || !watcher.texts().isEmpty()) {
      status = 1;
    } else {
      importInto(s);
      const q9xkit::StatisticsFigures figures = q9xkit::readStatistics();
      if (s.options.report)
        printTo(stdout, formatReport(s.pluginName, s.host.myMainPrefix, figures, s.log.contacts()));
      if (!s.options.cabrilloFile.isEmpty())
        writeCabrillo(s.options.cabrilloFile,
                      {s.options.myCall, s.options.sentExchange, scoreOfScoreLine(figures.scoreLine)},
                      s.log.contacts());
      if (!s.options.screenshotDir.isEmpty()) saveScreenshots(s.options.screenshotDir);
    }
  } catch (const ImportError&) {
    releasePlugin(s.plugin);
    throw;
  } catch (const std::exception& e) {
    printTo(stderr, QString::fromLocal8Bit(e.what()) + "\n");
    status = 1;
  }
  releasePlugin(s.plugin);

  if (window == 0 && watcher.texts().isEmpty())
    printTo(stderr, "The plug-in did not open its window\n");
  for (const QString& error : watcher.texts()) printTo(stderr, "Plug-in error: " + error + "\n");
  return watcher.texts().isEmpty() ? status : 1;
}

int runInteractive(QApplication& app, const Session& s, const PrefixTable& prefixes)
{
  const TPluginRecord rec = makeRecord(s.host);
  if (s.plugin.Run(0, &rec) == 0) {
    printTo(stderr, "The plug-in did not open its window\n");
    return 1;
  }
  try {
    importInto(s);
  } catch (...) {
    releasePlugin(s.plugin);
    throw;
  }
  EntryWindow entry(s.plugin, s.log, s.host, s.pluginName, prefixes);
  QObject::connect(&entry, &EntryWindow::closed, &app, &QCoreApplication::quit);
  entry.show();
  // The plug-in's windows minimise from their close box; the entry window ends the session.
  app.setQuitOnLastWindowClosed(false);
  const int status = app.exec();
  releasePlugin(s.plugin);
  return status;
}

PrefixTable loadPrefixes(const HostOptions& options)
{
  // Without the shipped table the prefixes are typed by hand; a table the
  // operator names must be there.
  const QString path = options.prefixFile.isEmpty() ? PrefixTable::defaultPath() : options.prefixFile;
  if (options.prefixFile.isEmpty() && !QFileInfo::exists(path)) return {};
  return PrefixTable::load(path);
}

DatabaseOptions databaseOptions(const HostOptions& options)
{
  DatabaseOptions database;
  database.driver = options.driver;
  database.databaseName = options.databaseName;
  database.host = options.dbHost;
  database.port = options.dbPort;
  database.user = options.dbUser;
  database.password = options.dbPassword;
  return database;
}

}  // namespace

int main(int argc, char** argv)
{
  // The command line is read before anything of Qt's GUI exists, so help and
  // mistakes are answered on any terminal.
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  HostOptions options;
  try {
    options = parseHostOptions(args);
  } catch (const UsageError& e) {
    printTo(stderr, QString::fromLocal8Bit(e.what()) + "\nSee q9x-host --help.\n");
    return 2;
  }
  if (options.showHelp) {
    printTo(stdout, options.helpText);
    return 0;
  }

  std::optional<HeadlessEnvironment> headless;
  if (options.headless()) {
    headless.emplace();
  } else if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
             qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    printTo(stderr, "The entry window needs a display (DISPLAY or WAYLAND_DISPLAY); "
                    "--report, --cabrillo and --screenshot run without one.\n");
    return 1;
  }
  QApplication app(argc, argv);

  // A log file this run creates goes again when the import into it fails.
  const bool newLogFile = options.driver == QLatin1String("QSQLITE") &&
                          !QFileInfo::exists(options.databaseName);
  std::unique_ptr<LogDatabase> log;
  try {
    PluginLibrary library(options.pluginPath.isEmpty() ? q9xkit::defaultPluginPath() : options.pluginPath);
    const QString pluginName = library.name();
    if (!options.headless()) printTo(stdout, "Plug-in: " + pluginName + "\n");
    const PrefixTable prefixes = loadPrefixes(options);
    std::vector<ImportedContact> imported;
    if (!options.importFile.isEmpty()) imported = readLogFile(options.importFile, prefixes);

    log = std::make_unique<LogDatabase>(databaseOptions(options), options.connection, options.table);
    Session session{options, library, pluginName, *log,
                    HostSession{options.connection, options.table, options.caption, options.myMainPrefix},
                    std::move(imported)};
    if (options.headless()) return runHeadless(session);
    return runInteractive(app, session, prefixes);
  } catch (const std::exception& e) {
    const bool failedImport = dynamic_cast<const ImportError*>(&e) != nullptr;
    log.reset();
    if (failedImport && newLogFile) QFile::remove(options.databaseName);
    const QString text = QString::fromLocal8Bit(e.what());
    printTo(stderr, text + "\n");
    if (!options.headless()) QMessageBox::critical(nullptr, QStringLiteral("q9x-host"), text);
    return 1;
  }
}
