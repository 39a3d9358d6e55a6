#pragma once
// The record a host hands to the plug-in with every call, built from texts.

#include <QString>
#include <cstdint>
#include <string>

#include "engine/LogRow.h"
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

// One contact, as the row of the log table that holds it, in bytes; given
// in the order of the record's fields.
struct ContactFields : q9x::LogRow {
  ContactFields() = default;
  ContactFields(std::string callSign, std::string digiBand, std::string qsoMode, std::string continent,
                std::string reportReceived, std::string mainPrefix, std::string dxccPrefix);
};

// A record carrying the session and the contact, each text cut to 255 bytes.
// Every other byte, the host's own spans and the rest of each field among
// them, is hostFill: a host's spans may hold anything, and the plug-in must
// read only its fields.
TPluginRecord makeRecord(const SessionFields& session, const ContactFields& contact = {},
                         unsigned char hostFill = 0);

// The field's text read in the local 8-bit encoding.
QString readShortText(const TShortString& field);

}  // namespace q9xkit
