#include "engine/ContestEngine.h"

#include "engine/ContestRules.h"

namespace q9x {

bool ContestEngine::isDuplicate(const Contact& contact) const
{
  return register_.contains(contact.callSign, contact.band, contact.mode);
}

std::int32_t ContestEngine::scoreQso(const Contact& contact, bool count)
{
  // Counting registers and tests for a repeat in one search of the register.
  if (count ? !register_.add(contact.callSign, contact.band, contact.mode) : isDuplicate(contact))
    return -1;
  std::int32_t points = contactPoints(contact.band, contact.myMainPrefix, contact.mainPrefix);
  if (!count) return points;

  stats_.countContact(contact.band, points);
  countMultiplier(contact);
  if (counted_) counted_(contact.band);
  return points;
}

void ContestEngine::countMultiplier(const Contact& contact)
{
  MultiplierCode found = multiplierCode(contact.report, contact.mainPrefix);
  if (found.code.empty()) return;
  WorkedSet& worked = found.kind == MultiplierKind::Area ? areaWorked_ : rdaWorked_;
  if (worked.insert(workedKey(contact.band, found.code)))
    stats_.countMultiplier(contact.band, found.kind);
}

void ContestEngine::clear()
{
  register_.clear();
  stats_.clear();
  areaWorked_.clear();
  rdaWorked_.clear();
}

}  // namespace q9x
