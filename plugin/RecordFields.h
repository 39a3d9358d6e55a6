#pragma once
// Moves contact fields between the host record and the engine's views.

#include "engine/Contact.h"
#include "engine/LogScan.h"
#include "plugin/q9xcup.h"

namespace q9x {

// Views of the record's fields; valid while the record is unchanged.
Contact contactOf(const TPluginRecord& record);

// The record's fields a log row holds, for a scan to start from.
LogRow logRowOf(const TPluginRecord& record);

// Stores a log row into the record the way the log scan leaves it.
void storeLogRow(TPluginRecord& record, const LogRow& row);

}  // namespace q9x
