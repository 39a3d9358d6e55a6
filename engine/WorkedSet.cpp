#include "engine/WorkedSet.h"

#include "engine/KeyedHash.h"
#include "engine/Text.h"

namespace q9x {

namespace {
constexpr std::size_t kSmallestIndex = 64;
}  // namespace

std::uint64_t WorkedSet::numberOf(std::uint32_t foldedBand, std::string_view code) const
{
  // The code's length keeps "A" apart from "A" followed by a zero byte.
  std::uint64_t number = (std::uint64_t{foldedBand + 1} << 35) | (std::uint64_t{code.size()} << 32);
  for (std::size_t i = 0; i < code.size(); ++i)
    number |= std::uint64_t{static_cast<unsigned char>(upperAscii(code[i]))} << (8 * i);
  return number;
}

std::uint32_t WorkedSet::foldedBandOf(std::string_view band)
{
  const std::uint32_t id = bands_.intern(band);
  if (id == foldedBand_.size()) foldedBand_.push_back(foldedBands_.intern(upperAscii(band)));
  return foldedBand_[id];
}

bool WorkedSet::find(std::uint64_t number) const
{
  if (index_.empty()) return false;
  const std::size_t mask = index_.size() - 1;
  for (std::size_t at = keyedHash(number) & mask;; at = (at + 1) & mask) {
    if (index_[at] == number) return true;
    if (index_[at] == 0) return false;
  }
}

void WorkedSet::place(std::uint64_t number)
{
  const std::size_t mask = index_.size() - 1;
  std::size_t at = keyedHash(number) & mask;
  while (index_[at] != 0) at = (at + 1) & mask;
  index_[at] = number;
}

bool WorkedSet::insert(std::string_view band, std::string_view code)
{
  if (code.size() > kLongestCode) return false;
  const std::uint64_t number = numberOf(foldedBandOf(band), code);
  if (find(number)) return false;
  if ((keys_.size() + 1) * 2 > index_.size()) {
    std::vector<std::uint64_t> old(std::max(kSmallestIndex, index_.size() * 2), 0);
    old.swap(index_);
    for (std::uint64_t kept : old)
      if (kept != 0) place(kept);
  }
  place(number);
  keys_.push_back(workedKey(band, upperAscii(code)));
  return true;
}

bool WorkedSet::contains(std::string_view band, std::string_view code) const
{
  const auto folded = foldedBands_.find(upperAscii(band));
  return folded && code.size() <= kLongestCode && find(numberOf(*folded, code));
}

void WorkedSet::clear()
{
  keys_.clear();
  bands_.clear();
  foldedBand_.clear();
  foldedBands_.clear();
  index_ = {};
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
