#include "ui/domlist/AreaMark.h"

#include "engine/WorkedSet.h"

namespace q9x {

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
