#pragma once
// Texts in the plug-in's records: a length byte, then the text in the local
// 8-bit encoding, at most 255 bytes.

#include <QString>

#include "plugin/q9xcup.h"

namespace q9xhost {

QString readShortText(const TShortString& field);

// Keeps at most the first 255 bytes of the encoded text.
void writeShortText(TShortString& field, const QString& text);

}  // namespace q9xhost
