#pragma once
// All scoring state of one open plug-in: the register of counted contacts, the
// figures per band, the multipliers worked and the area table.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/BandStats.h"
#include "engine/Contact.h"
#include "engine/QsoRegister.h"
#include "engine/WorkedSet.h"

namespace q9x {

class ContestEngine {
 public:
  // Called with the band text of every contact counted, so the window that
  // shows the worked areas can follow the band.
  using CountedListener = std::function<void(std::string_view band)>;

  void setCountedListener(CountedListener listener) { counted_ = std::move(listener); }

  // -1 for a repeated contact (same callsign, band and mode), otherwise its
  // points. With count set the contact is registered and counted.
  std::int32_t scoreQso(const Contact& contact, bool count);
  bool isDuplicate(const Contact& contact) const;

  // Empties the register, figures and worked multipliers; the area table stays.
  void clear();

  const QsoRegister& qsoList() const { return register_; }
  const BandStats& stats() const { return stats_; }
  const WorkedSet& areaWorked() const { return areaWorked_; }
  const WorkedSet& rdaWorked() const { return rdaWorked_; }

  const std::vector<std::string>& areaTable() const { return areaTable_; }
  void setAreaTable(std::vector<std::string> lines) { areaTable_ = std::move(lines); }

 private:
  void countMultiplier(const Contact& contact);

  QsoRegister register_;
  BandStats stats_;
  WorkedSet areaWorked_;
  WorkedSet rdaWorked_;
  std::vector<std::string> areaTable_;
  CountedListener counted_;
};

}  // namespace q9x
