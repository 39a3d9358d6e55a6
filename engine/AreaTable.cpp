#include "engine/AreaTable.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "engine/Text.h"

namespace q9x {

std::vector<std::string> splitAreaLines(std::string_view bytes)
{
  bytes = bytes.substr(0, bytes.find('\0'));
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    char c = bytes[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    lines.emplace_back(bytes.substr(start, i - start));
    i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
    start = i;
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

namespace {

[[noreturn]] void fail(const std::filesystem::path& path, const char* what, const std::string& why)
{
  throw std::runtime_error(std::string(what) + " \"" + path.string() + "\". " + why);
}

const char* const kNotRegular = "It is not a regular file.";

std::string tooLarge(std::uintmax_t size)
{
  return "It is larger than " + std::to_string(kAreaFileMaxBytes / (1024 * 1024)) + " MB (" +
         std::to_string(size) + " bytes).";
}

}  // namespace

std::vector<std::string> loadAreaFile(const std::filesystem::path& path)
{
  // Only a path that names nothing counts as "no area file"; any other failure
  // to look at it (a folder on the way that cannot be searched, say) is an error.
  std::error_code ec;
  std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (status.type() == std::filesystem::file_type::not_found) return {};
  if (ec) fail(path, "Cannot open file", ec.message());
  if (std::filesystem::is_directory(status)) return {};
  // A FIFO would block the host for ever and a device could be read without
  // end: neither is opened.
  if (!std::filesystem::is_regular_file(status)) fail(path, "Cannot read file", kNotRegular);

  std::error_code sizeError;
  const std::uintmax_t size = std::filesystem::file_size(path, sizeError);
  if (sizeError) fail(path, "Cannot read file", sizeError.message());
  if (size > kAreaFileMaxBytes) fail(path, "Cannot read file", tooLarge(size));

  // Binary, so that no line end is translated and a ^Z ends nothing: the
  // line rules are the same on every system. Something else may take the
  // file's place between the look above and this open; only someone who can
  // write the host's Plugins folder can do that, and he can replace the
  // plug-in itself as well.
  std::ifstream file(path, std::ios::binary);
  if (!file) fail(path, "Cannot open file", std::strerror(errno));

  // The file may still grow while it is read; the limit holds for what is read.
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(size));
  char buffer[16384];
  while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
    bytes.append(buffer, static_cast<std::size_t>(file.gcount()));
    if (bytes.size() > kAreaFileMaxBytes) fail(path, "Cannot read file", tooLarge(bytes.size()));
  }
  // A failed read (as opposed to the end of the file) leaves the stream bad.
  if (file.bad()) fail(path, "Cannot read file", std::strerror(errno));
  return splitAreaLines(bytes);
}

std::string AreaTable::lookup(std::string_view dxccPrefix, std::string_view mainPrefix) const
{
  if (!isUa3a(trimControls(upperAscii(dxccPrefix)))) return {};

  // The code stands after the prefix and one separator character.
  std::size_t codeOffset = 0;
  if (mainPrefix == "UA2")
    codeOffset = 4;
  else if (mainPrefix.size() == 4)
    codeOffset = 5;
  else
    return {};

  std::string result;
  for (const std::string& line : lines_) {
    std::size_t at = line.find(mainPrefix);
    if (at == std::string::npos) continue;
    std::size_t codeAt = at + codeOffset;
    std::string_view code = codeAt < line.size() ? std::string_view(line).substr(codeAt, 2)
                                                 : std::string_view();
    result = trimControls(code);
  }
  return result;
}

std::vector<std::string> AreaTable::listedCodes() const
{
  std::vector<std::string> codes;
  codes.reserve(lines_.size());
  for (const std::string& line : lines_) {
    const std::size_t sign = line.find('=');
    if (sign != std::string::npos)
      codes.emplace_back(trimControls(std::string_view(line).substr(sign + 1, 4)));
  }
  return codes;
}

}  // namespace q9x
