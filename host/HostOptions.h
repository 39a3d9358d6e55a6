#pragma once
// The command line of q9x-host.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <stdexcept>

namespace q9xhost {

struct HostOptions {
  QString pluginPath;   // the plug-in library to load; empty: the one built beside the host
  QString driver;       // Qt SQL driver of the log database
  QString databaseName; // SQLite file, or the server's database name
  QString dbHost;
  int dbPort = -1;      // -1: the driver's default
  QString dbUser;
  QString dbPassword;
  QString table;
  std::int32_t connection = 0;  // 0: the default Qt SQL connection
  QString myMainPrefix;
  QString caption;
  QString importFile;
  QString prefixFile;     // empty: the shipped one beside the executable
  QString screenshotDir;
  QString cabrilloFile;
  QString myCall;
  QString sentExchange;
  bool report = false;
  bool showHelp = false;
  QString helpText;

  // --report, --cabrillo and --screenshot run without the entry window and exit.
  bool headless() const { return report || !screenshotDir.isEmpty() || !cabrilloFile.isEmpty(); }
};

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// args includes the program name first, as argv. Needs no application
// object, so that --help and every mistake are answered without a display.
// Throws UsageError with a message for the user.
HostOptions parseHostOptions(const QStringList& args);

}  // namespace q9xhost
