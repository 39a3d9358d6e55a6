#pragma once
// Adds the contacts of a log file to the log as the operator's logging would:
// each one counted by the plug-in (_AddQSO) and written with its answer.

#include <QString>
#include <vector>

#include "host/HostRecord.h"
#include "host/LogFile.h"
#include "hostkit/PluginLibrary.h"

namespace q9xhost {

class LogDatabase;

struct ImportResult {
  int added = 0;
  int repeats = 0;  // refused by the plug-in, written all the same
};

// One transaction: a write that fails rolls back every row and throws
// ImportError naming the line. The plug-in has counted the contacts before
// the failure by then; the caller ends the session (or recalculates).
ImportResult addToLog(LogDatabase& log, const q9xkit::PluginExports& plugin, const HostSession& session,
                      const std::vector<ImportedContact>& contacts, const QString& path);

}  // namespace q9xhost
