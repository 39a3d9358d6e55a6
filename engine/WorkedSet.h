#pragma once
// The multiplier codes worked so far on each band, as keys "band|code|" in
// the order they were worked, with an index that finds a band and code
// without regard to letter case.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/TextPool.h"

namespace q9x {

class WorkedSet {
 public:
  // The longest code the rules read (an RDA district).
  static constexpr std::size_t kLongestCode = 4;

  // Adds the code worked on the band unless it was worked there before,
  // band and code compared without regard to letter case; true when added.
  // A longer code than kLongestCode is refused and never counts as worked.
  bool insert(std::string_view band, std::string_view code);
  bool contains(std::string_view band, std::string_view code) const;

  // The keys (workedKey) in the order they were worked, with the band as
  // first worked and the code upper-cased, as the rules read codes.
  const std::vector<std::string>& list() const { return keys_; }
  void clear();

 private:
  // A band and code as one number: the folded band's number above the
  // code's length and its folded bytes. Never 0, which marks an empty place
  // of the index.
  std::uint64_t numberOf(std::uint32_t foldedBand, std::string_view code) const;
  std::uint32_t foldedBandOf(std::string_view band);
  bool find(std::uint64_t number) const;
  void place(std::uint64_t number);

  std::vector<std::string> keys_;
  // A contact's band is looked up as the contact writes it, among the few
  // texts seen, and folded only the first time it is seen.
  TextPool bands_;
  std::vector<std::uint32_t> foldedBand_;  // per text of bands_
  TextPool foldedBands_;
  // Open addressing over the numbers, at most half full.
  std::vector<std::uint64_t> index_;
};

// The key under which a code worked on a band is remembered: band|code|.
std::string workedKey(std::string_view band, std::string_view code);

}  // namespace q9x
