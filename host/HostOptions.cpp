#include "host/HostOptions.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "host/LogDatabase.h"

namespace q9xhost {

namespace {
int numberOption(const QCommandLineParser& parser, const QString& name, qint64 min, qint64 max)
{
  bool ok = false;
  qint64 value = parser.value(name).toLongLong(&ok);
  if (!ok || value < min || value > max)
    throw UsageError(QString("--%1 needs a whole number from %2 to %3")
                         .arg(name).arg(min).arg(max).toStdString());
  return static_cast<int>(value);
}
}  // namespace

HostOptions parseHostOptions(const QStringList& args)
{
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Reference host of the Q9X-CUP-DIGI plug-in: keeps a contest log in a Qt SQL database, "
      "logs contacts through the plug-in and reports its score.");
  parser.addHelpOption();
  parser.addOptions({
      // Not --plugin: QApplication takes that option for itself.
      {"library", "The plug-in library to load (default: libq9xcup.so in the folder above bin/).",
       "PATH"},
      {"log", "The log database: an SQLite file (created when missing), or the database name "
              "for --db.", "NAME"},
      {"db", "Qt SQL driver of the log database (default QSQLITE), e.g. QPSQL.", "DRIVER", "QSQLITE"},
      {"db-host", "Database server host.", "HOST"},
      {"db-port", "Database server port.", "PORT"},
      {"db-user", "Database user.", "USER"},
      {"db-password", "Database password.", "PASSWORD"},
      {"table", "The log table (default Log; created when missing).", "NAME", "Log"},
      {"connection", "Number of the Qt SQL connection handed to the plug-in: 0 (the default) is "
                     "the default connection, any other number the connection of that name.", "N", "0"},
      {"my-prefix", "Main prefix of your own station, e.g. UA3A.", "PREFIX"},
      {"caption", "Text that starts the statistics window's caption (default q9x-host).", "TEXT", "q9x-host"},
      {"import", "Add the contacts of a CSV, ADIF or Cabrillo file to the log, each counted by "
                 "the plug-in; all or nothing.", "FILE"},
      {"prefixes", "The prefix table that gives main and DXCC prefix of a callsign (default: "
                   "q9x-host-prefixes.txt beside the program).", "FILE"},
      {"report", "Recalculate the log in the plug-in, print its figures, the repeats and exit."},
      {"cabrillo", "Write the log as a Cabrillo 3.0 file with the plug-in's score and exit "
                   "(needs --my-call).", "FILE"},
      {"my-call", "Your callsign, for the Cabrillo file.", "CALL"},
      {"sent-exchange", "The two fields you send, for the Cabrillo file (default \"599 -\").",
       "TEXT", "599 -"},
      {"screenshot", "Save PNGs of the plug-in's windows into DIR and exit.", "DIR"},
  });

  if (!parser.parse(args)) throw UsageError(parser.errorText().toStdString());
  if (!parser.positionalArguments().isEmpty())
    throw UsageError(("Unexpected argument: " + parser.positionalArguments().first()).toStdString());

  HostOptions options;
  options.showHelp = parser.isSet("help");
  // Without an application object the parser does not know the program's name.
  options.helpText = parser.helpText().replace(QLatin1String("<executable_name>"),
                                               QFileInfo(args.value(0, "q9x-host")).fileName());
  if (options.showHelp) return options;

  options.pluginPath = parser.value("library");
  options.driver = parser.value("db");
  options.databaseName = parser.value("log");
  if (options.databaseName.isEmpty())
    throw UsageError("Name the log with --log FILE (an SQLite file, created when missing)");
  options.dbHost = parser.value("db-host");
  if (parser.isSet("db-port")) options.dbPort = numberOption(parser, "db-port", 1, 65535);
  options.dbUser = parser.value("db-user");
  options.dbPassword = parser.value("db-password");
  options.table = parser.value("table");
  if (!isPlainTableName(options.table))
    throw UsageError("--table needs a plain table name (letters, digits and _, "
                     "optionally schema.table)");
  options.connection = numberOption(parser, "connection", 0, INT32_MAX);
  options.myMainPrefix = parser.value("my-prefix");
  options.caption = parser.value("caption");
  options.importFile = parser.value("import");
  options.prefixFile = parser.value("prefixes");
  options.screenshotDir = parser.value("screenshot");
  options.cabrilloFile = parser.value("cabrillo");
  options.myCall = parser.value("my-call").trimmed().toUpper();
  options.sentExchange = parser.value("sent-exchange").simplified();
  if (!options.cabrilloFile.isEmpty() && options.myCall.isEmpty())
    throw UsageError("--cabrillo needs your callsign: --my-call CALL");
  if (options.myCall.contains(' '))
    throw UsageError("--my-call needs one callsign without blanks");
  if (options.sentExchange.split(' ').size() != 2)
    throw UsageError("--sent-exchange needs two fields, e.g. \"599 AB\"");
  options.report = parser.isSet("report");
  return options;
}

}  // namespace q9xhost
