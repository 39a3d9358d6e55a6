#pragma once
// The record a host hands to the plug-in with every call, built from texts.

#include <cstdint>
#include <string>

#include "plugin/q9xcup.h"

namespace q9xkit {

// What stays the same for a whole session: the open log and the operator.
// Texts are bytes in the host's 8-bit code page.
struct SessionFields {
  std::int32_t connection = 0;  // 0: the default Qt SQL connection
  std::string table;
  std::string caption;
  std::string myMainPrefix;
};

// One contact, in the log table's terms, as bytes.
struct ContactFields {
  std::string callSign;
  std::string digiBand;
  std::string qsoMode;
  std::string continent;
  std::string reportReceived;
  std::string mainPrefix;
  std::string dxccPrefix;
};

// A record carrying the session and the contact, each text cut to 255 bytes.
// Every other byte, the host's own spans and the rest of each field among
// them, is hostFill: a host's spans may hold anything, and the plug-in must
// read only its fields.
TPluginRecord makeRecord(const SessionFields& session, const ContactFields& contact = {},
                         unsigned char hostFill = 0);

}  // namespace q9xkit
