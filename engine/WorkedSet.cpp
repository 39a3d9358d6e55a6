#include "engine/WorkedSet.h"

#include "engine/Text.h"

namespace q9x {

namespace {
std::pmr::string folded(std::string_view key, std::pmr::memory_resource* pool)
{
  std::pmr::string text(key, pool);
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}
}  // namespace

bool WorkedSet::insert(std::string_view key)
{
  if (!folded_.insert(folded(key, &pool_)).second) return false;
  keys_.emplace_back(key);
  return true;
}

bool WorkedSet::contains(std::string_view key) const
{
  return folded_.count(folded(key, std::pmr::get_default_resource())) != 0;
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
