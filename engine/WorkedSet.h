#pragma once
// The multiplier keys worked so far ("band|code|"), in the order they were
// worked, with a hashed index that finds a key without regard to letter case.

#include <memory_resource>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "engine/StringHash.h"

namespace q9x {

class WorkedSet {
 public:
  // Adds the key unless an equal one (ignoring letter case) is there; true when added.
  bool insert(std::string_view key);
  // The same for the key of a code worked on a band (workedKey), built
  // already folded: the code is upper-case as the rules read it.
  bool insert(std::string_view band, std::string_view upperCode);
  bool contains(std::string_view key) const;

  const std::vector<std::string>& list() const { return keys_; }
  void clear();

 private:
  std::vector<std::string> keys_;
  // The index is searched for every contact counted. Its nodes come from a
  // pool of their own: taken from the general heap they would lie scattered
  // among the register's entries, and each search would miss the cache.
  std::pmr::unsynchronized_pool_resource pool_;
  std::pmr::unordered_set<std::pmr::string, StringHash, std::equal_to<>> folded_{&pool_};
  // The key being looked up, folded here so that a search allocates nothing.
  std::string folding_;

  bool insertFolded(std::string_view key);
};

// The key under which a code worked on a band is remembered: band|code|.
std::string workedKey(std::string_view band, std::string_view code);

}  // namespace q9x
