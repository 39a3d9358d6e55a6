#pragma once
// Texts between Windows' UTF-16 and the host's 8-bit code page (CP_ACP), the
// code page of every text in the host's records.

#include <string>
#include <string_view>

namespace q9x {

// Converts the UTF-16 text into the host's code page; characters the code
// page lacks become the system's default character.
void toHostText(std::wstring_view text, std::string& into);
std::string toHostText(std::wstring_view text);

// Converts the host's text into UTF-16.
std::wstring fromHostText(std::string_view text);

// Widens plain ASCII text, as the log's column names are.
std::wstring widenAscii(std::string_view text);

}  // namespace q9x
