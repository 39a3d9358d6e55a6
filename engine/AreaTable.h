#pragma once
// The area file: lines such as "UA3A=AB" that map a station prefix of the
// UA3A area to the two-letter area code the station sends.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace q9x {

// Splits file bytes into lines: CR LF, LF and a lone CR each end a line (LF
// then CR is two line ends), a final line end adds no empty line, and a NUL
// byte ends the text. Lines are kept exactly as they are, empty ones too.
std::vector<std::string> splitAreaLines(std::string_view bytes);

// The lines of the area file, or none when the file does not exist. A file
// that exists but cannot be read throws std::runtime_error.
std::vector<std::string> loadAreaFile(const std::filesystem::path& path);

// The area code a station is expected to send, or empty: only stations whose
// DXCC prefix reads UA3A have one. The prefix UA2 and four-character prefixes
// are looked up; the last line of the table that contains the prefix wins.
std::string lookupArea(const std::vector<std::string>& table, std::string_view dxccPrefix,
                       std::string_view mainPrefix);

}  // namespace q9x
