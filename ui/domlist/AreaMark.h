#pragma once
// How the area window marks a listed code, from the worked keys.

#include <string>
#include <string_view>
#include <vector>

namespace q9x {

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
