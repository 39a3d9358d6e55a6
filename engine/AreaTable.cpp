#include "engine/AreaTable.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
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

std::vector<std::string> loadAreaFile(const std::filesystem::path& path)
{
  // Only a path that names nothing counts as "no area file"; any other failure
  // to look at it (a folder on the way that cannot be searched, say) is an error.
  std::error_code ec;
  std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (status.type() == std::filesystem::file_type::not_found) return {};
  if (ec) throw std::runtime_error("Cannot open file \"" + path.string() + "\". " + ec.message());
  if (std::filesystem::is_directory(status)) return {};

  // C streams report a failed read through ferror; iostreams would take it for
  // the end of the file and load a table that silently lacks lines.
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file)
    throw std::runtime_error("Cannot open file \"" + path.string() + "\". " + std::strerror(errno));
  std::string bytes;
  char buffer[16384];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
  if (std::ferror(file.get()))
    throw std::runtime_error("Cannot read file \"" + path.string() + "\". " + std::strerror(errno));
  return splitAreaLines(bytes);
}

std::string lookupArea(const std::vector<std::string>& table, std::string_view dxccPrefix,
                       std::string_view mainPrefix)
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
  for (const std::string& line : table) {
    std::size_t at = line.find(mainPrefix);
    if (at == std::string::npos) continue;
    std::size_t codeAt = at + codeOffset;
    std::string_view code = codeAt < line.size() ? std::string_view(line).substr(codeAt, 2)
                                                 : std::string_view();
    result = trimControls(code);
  }
  return result;
}

}  // namespace q9x
