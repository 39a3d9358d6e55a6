#pragma once
// All scoring state of one open plug-in: the register of counted contacts, the
// figures per band and the multipliers worked.

#include <cstdint>
#include <string_view>

#include "engine/BandStats.h"
#include "engine/Contact.h"
#include "engine/QsoRegister.h"
#include "engine/WorkedSet.h"

namespace q9x {

// What counting one contact did.
struct CountResult {
  bool repeat = false;         // refused: same callsign, band and mode counted before
  std::int32_t points = -1;    // the host's answer: -1 for a repeat
  std::string_view band;       // the contact's band text, as the contact holds it
  int newAreaMults = 0;        // multipliers this contact worked first on its band
  int newRdaMults = 0;
};

class ContestEngine {
 public:
  // -1 for a repeated contact (same callsign, band and mode), otherwise the
  // points it would earn. Changes nothing.
  std::int32_t points(const Contact& contact) const;
  // Registers and counts the contact unless it is a repeat.
  CountResult count(const Contact& contact);

  // Empties the register, figures and worked multipliers.
  void clear();

  const QsoRegister& qsoList() const { return register_; }
  const BandStats& stats() const { return stats_; }
  const WorkedSet& areaWorked() const { return areaWorked_; }
  const WorkedSet& rdaWorked() const { return rdaWorked_; }

 private:
  void countMultiplier(const Contact& contact, CountResult& result);

  QsoRegister register_;
  BandStats stats_;
  WorkedSet areaWorked_;
  WorkedSet rdaWorked_;
};

}  // namespace q9x
