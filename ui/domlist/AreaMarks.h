#pragma once
// Which codes of the area list are marked as worked on the selected band.
//
// A worked key (band|code|) marks a listed code when bandText|code| occurs
// anywhere in it, byte for byte: exactly the code worked on that band, and,
// with an empty band text, the code worked on any band. A band text from the
// host may itself hold "|" or end in a band's name ("17" ends in "7"), and
// the rule holds for those too. Rather than searching every key for every
// drawn item, each key is read once, when it is new, and the codes it marks
// are remembered per band text; drawing an item is then one lookup.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/StringHash.h"

namespace q9x {

enum class AreaMark {
  OwnFont,   // nothing worked at all: the list's own font and colour
  Unmarked,  // black, regular
  Marked,    // red, bold: worked on the selected band
};

class AreaMarks {
 public:
  AreaMarks() = default;
  // The distinct codes that may be asked about; a code's number is its place here.
  explicit AreaMarks(const std::vector<std::string>& codes);

  // Reads the keys added since the last call; the keys only ever grow at
  // their end until restart().
  void follow(const std::vector<std::string>& workedKeys);
  // The worked keys were emptied: the next follow reads them from the first.
  void restart();

  // Whether a key followed so far marks the code for the band text of band
  // number band (1 to 9), or for the empty band text (0).
  bool marked(std::size_t code, int band) const { return (bands_[code] >> band) & 1u; }

 private:
  void read(std::string_view key);

  std::unordered_map<std::string, std::uint32_t, StringHash, std::equal_to<>> numbers_;
  std::size_t longestCode_ = 0;
  bool codesHoldBar_ = false;
  // Per code, bit b set when the band text of band b (0: empty) marks it.
  std::vector<std::uint16_t> bands_;
  std::size_t followed_ = 0;
};

}  // namespace q9x
