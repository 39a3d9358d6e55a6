#pragma once
// Text forms of the stored window settings: every value in the store is text,
// numbers are decimal, rectangles are four numbers separated by commas.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "ui/settings/WindowPlacement.h"

namespace q9x {

// The decimal number the text holds (a sign and digits, blanks around them),
// or fallback when it holds none. A number beyond the range of int reads as
// the nearest int.
int textToInt(std::string_view text, int fallback);

// Words 1 to 4 of text as numbers, separated by commas or blanks (runs of
// separators count as one); nothing for a missing or non-numeric word.
// Numbers beyond the range of int read as the nearest int.
std::array<std::optional<int>, 4> textToFour(std::string_view text);

// "a,b,c,d".
std::string fourToText(const std::array<int, 4>& values);

// "(WxH)": appended to the position names so that each screen size keeps its own.
std::string screenSuffix(ScreenSize screen);

}  // namespace q9x
