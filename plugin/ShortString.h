#pragma once
// Reading and writing the host's short strings (length byte, then the text).

#include <string_view>

#include "plugin/q9xcup.h"

namespace q9x {

inline std::string_view readShort(const TShortString& field)
{
  return {reinterpret_cast<const char*>(field + 1), field[0]};
}

// Stores at most the first 255 bytes of text.
inline void writeShort(TShortString& field, std::string_view text)
{
  std::size_t length = text.size() < 255 ? text.size() : 255;
  field[0] = static_cast<unsigned char>(length);
  for (std::size_t i = 0; i < length; ++i) field[i + 1] = static_cast<unsigned char>(text[i]);
}

}  // namespace q9x
