#pragma once
// Byte-wise text helpers shared by the rules: host texts are 8-bit code-page
// bytes and are never decoded by the engine.

#include <string>
#include <string_view>

namespace q9x {

// Removes every leading and trailing byte of code 0 to 32.
std::string_view trimControls(std::string_view text);

// Change only the letters a to z; every other byte stays as it is.
inline char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
void upperAsciiInPlace(std::string& text);
std::string upperAscii(std::string_view text);

// True when ":" + field + ":" occurs in list, the host's way of testing a field
// against a colon-separated list such as ":UA3A:".
bool occursAsListField(std::string_view field, std::string_view list);

// The prefix test of the contest: only the exact text UA3A qualifies.
bool isUa3a(std::string_view prefix);

// Cuts text to the bytes a host short string can hold.
void cutToShortString(std::string& text);

}  // namespace q9x
