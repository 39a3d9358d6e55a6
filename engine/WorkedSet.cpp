#include "engine/WorkedSet.h"

#include "engine/Text.h"

namespace q9x {

bool WorkedSet::insert(std::string_view key)
{
  if (!folded_.insert(upperAscii(key)).second) return false;
  keys_.emplace_back(key);
  return true;
}

bool WorkedSet::contains(std::string_view key) const
{
  return folded_.count(upperAscii(key)) != 0;
}

void WorkedSet::clear()
{
  keys_.clear();
  folded_.clear();
}

std::string workedKey(std::string_view band, std::string_view code)
{
  std::string key;
  key.reserve(band.size() + code.size() + 2);
  key += band;
  key += '|';
  key += code;
  key += '|';
  return key;
}

}  // namespace q9x
