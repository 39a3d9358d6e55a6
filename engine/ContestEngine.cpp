#include "engine/ContestEngine.h"

#include "engine/ContestRules.h"

namespace q9x {

std::int32_t ContestEngine::points(const Contact& contact) const
{
  if (register_.contains(contact.callSign, contact.band, contact.mode)) return -1;
  return contactPoints(contact.band, contact.myMainPrefix, contact.mainPrefix);
}

CountResult ContestEngine::count(const Contact& contact)
{
  CountResult result;
  result.band = contact.band;
  // Registering tests for a repeat in the same search of the register.
  if (!register_.add(contact.callSign, contact.band, contact.mode)) {
    result.repeat = true;
    return result;
  }
  result.points = contactPoints(contact.band, contact.myMainPrefix, contact.mainPrefix);
  stats_.countContact(contact.band, result.points);
  countMultiplier(contact, result);
  return result;
}

void ContestEngine::countMultiplier(const Contact& contact, CountResult& result)
{
  MultiplierCode found = multiplierCode(contact.report, contact.mainPrefix);
  if (found.code.empty()) return;
  const bool area = found.kind == MultiplierKind::Area;
  WorkedSet& worked = area ? areaWorked_ : rdaWorked_;
  if (!worked.insert(contact.band, found.code)) return;
  stats_.countMultiplier(contact.band, found.kind);
  ++(area ? result.newAreaMults : result.newRdaMults);
}

void ContestEngine::clear()
{
  register_.clear();
  stats_.clear();
  areaWorked_.clear();
  rdaWorked_.clear();
}

}  // namespace q9x
