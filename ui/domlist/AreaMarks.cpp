#include "ui/domlist/AreaMarks.h"

#include <algorithm>

#include "engine/Bands.h"

namespace q9x {

AreaMarks::AreaMarks(const std::vector<std::string>& codes) : bands_(codes.size(), 0)
{
  numbers_.reserve(codes.size());
  for (std::size_t i = 0; i < codes.size(); ++i) {
    numbers_.try_emplace(codes[i], static_cast<std::uint32_t>(i));
    longestCode_ = std::max(longestCode_, codes[i].size());
    codesHoldBar_ = codesHoldBar_ || codes[i].find('|') != std::string::npos;
  }
}

void AreaMarks::restart()
{
  std::fill(bands_.begin(), bands_.end(), 0);
  followed_ = 0;
}

void AreaMarks::follow(const std::vector<std::string>& workedKeys)
{
  // Fewer keys than were read: they were emptied and counted again.
  if (workedKeys.size() < followed_) restart();
  for (; followed_ < workedKeys.size(); ++followed_) read(workedKeys[followed_]);
}

void AreaMarks::read(std::string_view key)
{
  // Every place where bandText|code| can occur: a code between a bar at
  // start - 1 and a bar at end, with the band text right before the first.
  for (std::size_t end = 1; end < key.size(); ++end) {
    if (key[end] != '|') continue;
    for (std::size_t length = 0; length <= longestCode_ && length < end; ++length) {
      const std::size_t start = end - length;
      // Going left, the code now takes in a bar: only codes with one can match.
      if (length > 0 && key[start] == '|' && !codesHoldBar_) break;
      if (key[start - 1] != '|') continue;
      const auto found = numbers_.find(key.substr(start, length));
      if (found == numbers_.end()) continue;
      const std::string_view before = key.substr(0, start - 1);
      std::uint16_t bands = 1;  // the empty band text
      for (std::size_t b = 0; b < BandNames.size(); ++b)
        if (before.ends_with(BandNames[b])) bands |= static_cast<std::uint16_t>(1u << (b + 1));
      bands_[found->second] |= bands;
    }
  }
}

}  // namespace q9x
