#pragma once
// The area file: lines such as "UA3A=AB" that map a station prefix of the
// UA3A area to the two-letter area code the station sends.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace q9x {

// Splits file bytes into lines: CR LF, LF and a lone CR each end a line (LF
// then CR is two line ends), a final line end adds no empty line, and a NUL
// byte ends the text. Lines are kept exactly as they are, empty ones too.
std::vector<std::string> splitAreaLines(std::string_view bytes);

// Real area files are a few kilobytes; anything larger is not one, and
// reading it would hold the host up and take its memory.
inline constexpr std::size_t kAreaFileMaxBytes = 16 * 1024 * 1024;

// The lines of the area file, or none when nothing (or a folder) is at the
// path. Only a regular file of at most kAreaFileMaxBytes is read; anything
// else at the path (a FIFO, a device, a socket), a larger file and a file that
// cannot be read throw std::runtime_error with a text naming the path.
std::vector<std::string> loadAreaFile(const std::filesystem::path& path);

class AreaTable {
 public:
  AreaTable() = default;
  explicit AreaTable(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  // The area code a station is expected to send, or empty: only stations whose
  // DXCC prefix reads UA3A have one. The prefix UA2 and four-character prefixes
  // are looked up; the last line of the table that contains the prefix wins.
  std::string lookup(std::string_view dxccPrefix, std::string_view mainPrefix) const;

  // The codes the area window lists, in file order: of each line with a "=",
  // at most four bytes right after the first "=", trimmed of bytes 0 to 32
  // (a line ending in "=" lists the empty code). Lines without "=" list nothing.
  std::vector<std::string> listedCodes() const;

  bool operator==(const AreaTable&) const = default;

 private:
  std::vector<std::string> lines_;
};

}  // namespace q9x
