#pragma once
// Reads the contact's fields of the host record as the engine's views; the
// way back is storeLogRow (plugin/RecordTexts.h).

#include "engine/Contact.h"
#include "engine/LogScan.h"
#include "plugin/q9xcup.h"

namespace q9x {

// Views of the record's fields; valid while the record is unchanged.
Contact contactOf(const TPluginRecord& record);

// The record's fields a log row holds, for a scan to start from.
LogRow logRowOf(const TPluginRecord& record);

}  // namespace q9x
