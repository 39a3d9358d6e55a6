#pragma once
// Builds the record the host hands to the plug-in with every call.

#include <QString>
#include <cstdint>

#include "plugin/q9xcup.h"

namespace q9xhost {

// What stays the same for the whole session: the open log and the operator.
struct HostSession {
  std::int32_t connection = 0;
  QString table;
  QString caption;
  QString myMainPrefix;
};

// One contact, in the log table's terms.
struct ContactFields {
  QString callSign;
  QString digiBand;
  QString qsoMode;
  QString continent;
  QString reportReceived;
  QString mainPrefix;
  QString dxccPrefix;
};

// A zero-filled record carrying the session and the contact, each text in
// the local 8-bit encoding and cut to 255 bytes.
TPluginRecord makeRecord(const HostSession& session, const ContactFields& contact = {});

}  // namespace q9xhost
