#pragma once
// The texts of the plug-in's records: a length byte, then at most 255 bytes
// of text in the host's 8-bit code page, with no terminating byte.

#include <QString>
#include <string_view>

#include "plugin/q9xcup.h"

namespace q9xkit {

// The field's bytes, as long as its length byte says; a view into field.
std::string_view readShort(const TShortString& field);

// Stores the first 255 bytes of text at most; the bytes after them in the
// field are left as they were.
void writeShort(TShortString& field, std::string_view text);

// The field's text read in the local 8-bit encoding.
QString readShortText(const TShortString& field);

// Stores the text in the local 8-bit encoding, the first 255 bytes at most.
void writeShortText(TShortString& field, const QString& text);

}  // namespace q9xkit
