#pragma once
// What the area window makes of the area file and of the worked keys: the
// code each line offers for the list, and how a listed code is to be marked.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace q9x {

// The code a line of the area file lists: at most four bytes right after the
// first "=", trimmed of bytes 0 to 32. Lines without "=" list nothing; a line
// ending in "=" lists the empty code.
std::optional<std::string> listedAreaCode(std::string_view line);

enum class AreaMark {
  OwnFont,   // nothing worked at all: the list's own font and colour
  Unmarked,  // black, regular
  Marked,    // red, bold: worked on the selected band
};

// How a code is shown for the selected band text. A worked key (band|code|)
// marks it when bandText|code| occurs anywhere in it, byte for byte; with an
// empty band text that is the code worked on any band.
AreaMark areaMark(std::string_view bandText, std::string_view code,
                  const std::vector<std::string>& workedKeys);

}  // namespace q9x
