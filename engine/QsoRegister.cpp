#include "engine/QsoRegister.h"

namespace q9x {

bool QsoRegister::contains(std::string_view callSign, std::string_view band,
                           std::string_view mode) const
{
  auto bandId = bands_.find(band);
  auto modeId = modes_.find(mode);
  if (!bandId || !modeId) return false;  // a band or mode never counted cannot repeat
  return entries_.find(Key{callSign, *bandId, *modeId}) != entries_.end();
}

bool QsoRegister::add(std::string_view callSign, std::string_view band, std::string_view mode)
{
  Key key{callSign, bands_.intern(band), modes_.intern(mode)};
  auto at = entries_.end();
  if (!entries_.empty() && !Order{}(*entries_.rbegin(), key)) {
    at = entries_.lower_bound(key);
    if (at != entries_.end() && !Order{}(key, *at)) return false;
  }
  entries_.emplace_hint(at, Entry{std::string(callSign), key.band, key.mode});
  return true;
}

void QsoRegister::clear()
{
  entries_.clear();
  bands_.clear();
  modes_.clear();
}

std::vector<TQSO> QsoRegister::list() const
{
  std::vector<TQSO> result;
  result.reserve(entries_.size());
  for (const Entry& e : entries_)
    result.push_back({e.callSign, bands_.text(e.band), modes_.text(e.mode)});
  return result;
}

}  // namespace q9x
