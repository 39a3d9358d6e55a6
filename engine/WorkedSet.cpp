#include "engine/WorkedSet.h"

#include "engine/Text.h"

namespace q9x {

namespace {
void foldInto(std::string_view key, std::string& into)
{
  into.assign(key);
  upperAsciiInPlace(into);
}
}  // namespace

bool WorkedSet::insert(std::string_view key)
{
  foldInto(key, folding_);
  if (!insertFolded(folding_)) return false;
  keys_.emplace_back(key);
  return true;
}

bool WorkedSet::insert(std::string_view band, std::string_view upperCode)
{
  // Runs for every contact with a code: only the band needs folding.
  foldInto(band, folding_);
  folding_ += '|';
  folding_ += upperCode;
  folding_ += '|';
  if (!insertFolded(folding_)) return false;
  keys_.push_back(workedKey(band, upperCode));
  return true;
}

bool WorkedSet::insertFolded(std::string_view key)
{
  if (folded_.find(key) != folded_.end()) return false;
  folded_.emplace(key);
  return true;
}

bool WorkedSet::contains(std::string_view key) const
{
  std::string folded;
  foldInto(key, folded);
  return folded_.find(std::string_view(folded)) != folded_.end();
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
