#include "ui/domlist/AreaCodes.h"

#include "engine/Text.h"
#include "engine/WorkedSet.h"

namespace q9x {

std::optional<std::string> listedAreaCode(std::string_view line)
{
  const std::size_t sign = line.find('=');
  if (sign == std::string_view::npos) return std::nullopt;
  return std::string(trimControls(line.substr(sign + 1, 4)));
}

AreaMark areaMark(std::string_view bandText, std::string_view code,
                  const std::vector<std::string>& workedKeys)
{
  if (workedKeys.empty()) return AreaMark::OwnFont;
  const std::string key = workedKey(bandText, code);
  for (const std::string& worked : workedKeys)
    if (worked.find(key) != std::string::npos) return AreaMark::Marked;
  return AreaMark::Unmarked;
}

}  // namespace q9x
