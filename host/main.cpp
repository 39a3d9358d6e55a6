// q9x-host: loads the Q9X-CUP-DIGI plug-in like a contest logger does, over a
// contest log kept in a Qt SQL database.

#include <QApplication>
#include <QMessageBox>
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "host/CsvImport.h"
#include "host/EntryWindow.h"
#include "host/ErrorBoxWatcher.h"
#include "host/HostOptions.h"
#include "host/LogDatabase.h"
#include "host/PluginLibrary.h"
#include "host/PluginWindows.h"
#include "host/Report.h"

using namespace q9xhost;

namespace {

void printTo(FILE* stream, const QString& text)
{
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

// Closes the plug-in and lets its windows go (they save their placement as
// they are destroyed) before the application ends.
void releasePlugin(const PluginApi& plugin)
{
  plugin.Release();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// --report and --screenshot: no user, so the plug-in's error boxes are caught
// and turned into the exit status.
int runHeadless(const HostOptions& options, const PluginApi& plugin, const QString& pluginName,
                const HostSession& session)
{
  ErrorBoxWatcher watcher;
  const TPluginRecord rec = makeRecord(session);
  const intptr_t window = plugin.Run(0, &rec);
  QCoreApplication::processEvents();

  int status = 0;
  try {
    if (window == 0 || !watcher.errors().isEmpty()) {
      status = 1;
    } else {
      if (options.report)
        printTo(stdout, formatReport(pluginName, session.myMainPrefix, readStatistics()));
      if (!options.screenshotDir.isEmpty()) saveScreenshots(options.screenshotDir);
    }
  } catch (const std::exception& e) {
    printTo(stderr, QString::fromLocal8Bit(e.what()) + "\n");
    status = 1;
  }
  releasePlugin(plugin);

  if (window == 0 && watcher.errors().isEmpty())
    printTo(stderr, "The plug-in did not open its window\n");
  for (const QString& error : watcher.errors()) printTo(stderr, "Plug-in error: " + error + "\n");
  return watcher.errors().isEmpty() ? status : 1;
}

int runInteractive(QApplication& app, const PluginApi& plugin, const QString& pluginName,
                   LogDatabase& log, const HostSession& session)
{
  const TPluginRecord rec = makeRecord(session);
  if (plugin.Run(0, &rec) == 0) {
    printTo(stderr, "The plug-in did not open its window\n");
    return 1;
  }
  EntryWindow entry(plugin, log, session, pluginName);
  QObject::connect(&entry, &EntryWindow::closed, &app, &QCoreApplication::quit);
  entry.show();
  // The plug-in's windows minimise from their close box; the entry window ends the session.
  app.setQuitOnLastWindowClosed(false);
  const int status = app.exec();
  releasePlugin(plugin);
  return status;
}

// Without a display, the headless modes still run.
void chooseHeadlessPlatform(int argc, char** argv)
{
  bool headless = false;
  for (int i = 1; i < argc; ++i) {
    const QByteArray arg(argv[i]);
    headless = headless || arg == "--report" || arg.startsWith("--screenshot");
  }
  if (headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
      qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace

int main(int argc, char** argv)
{
  chooseHeadlessPlatform(argc, argv);
  QApplication app(argc, argv);
  HostOptions options;
  try {
    options = parseHostOptions(QCoreApplication::arguments());
  } catch (const UsageError& e) {
    printTo(stderr, QString::fromLocal8Bit(e.what()) + "\nSee q9x-host --help.\n");
    return 2;
  }
  if (options.showHelp) {
    printTo(stdout, options.helpText);
    return 0;
  }

  try {
    PluginLibrary library(options.pluginPath);
    const QString pluginName = library.name();
    if (!options.headless()) printTo(stdout, "Plug-in: " + pluginName + "\n");

    DatabaseOptions database;
    database.driver = options.driver;
    database.databaseName = options.databaseName;
    database.host = options.dbHost;
    database.port = options.dbPort;
    database.user = options.dbUser;
    database.password = options.dbPassword;
    LogDatabase log(database, options.connection, options.table);

    if (!options.importFile.isEmpty()) {
      const int added = importCsv(log, options.importFile);
      printTo(stderr, QString("Imported %1 contacts into %2\n").arg(added).arg(options.table));
    }

    const HostSession session{options.connection, options.table, options.caption,
                              options.myMainPrefix};
    if (options.headless()) return runHeadless(options, library.api(), pluginName, session);
    return runInteractive(app, library.api(), pluginName, log, session);
  } catch (const std::exception& e) {
    const QString text = QString::fromLocal8Bit(e.what());
    printTo(stderr, text + "\n");
    if (!options.headless()) QMessageBox::critical(nullptr, QStringLiteral("q9x-host"), text);
    return 1;
  }
}
