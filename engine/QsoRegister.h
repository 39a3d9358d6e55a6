#pragma once
// The register of counted contacts. A repeat is found through a hashed index
// whatever the register's size: a search costs one or two memory reads even
// when the register is far larger than the processor's caches. The register
// is listed in callsign byte order.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/TextPool.h"

namespace q9x {

struct TQSO {
  std::string CallSign;
  std::string Band;
  std::string Mode;
};

class QsoRegister {
 public:
  // True when a contact with exactly this callsign, band and mode was counted.
  bool contains(std::string_view callSign, std::string_view band, std::string_view mode) const;

  // Registers a contact unless it is registered already; true when added.
  bool add(std::string_view callSign, std::string_view band, std::string_view mode);

  std::size_t size() const { return size_; }
  void clear();

  // The register in its order: ascending callsign by unsigned byte value,
  // then band and mode in the order they were first counted.
  std::vector<TQSO> list() const;

 private:
  struct Entry {
    std::string callSign;
    std::uint32_t band;
    std::uint32_t mode;
  };
  struct Key {
    std::string_view callSign;
    std::uint32_t band;
    std::uint32_t mode;
    std::uint32_t hash;
  };
  // A place of the index: the entry's number, and its hash, which both
  // places the entry and rules out most others without reading them.
  struct Slot {
    std::uint32_t entry;
    std::uint32_t hash;
  };
  static constexpr std::uint32_t kNoEntry = 0xffffffffu;
  // Entries live in blocks that never move, so the register grows without
  // copying what it holds.
  static constexpr unsigned kBlockBits = 12;

  static bool sortsBefore(const Entry& a, const Entry& b);
  static Key keyOf(std::string_view callSign, std::uint32_t band, std::uint32_t mode);
  const Entry& entry(std::uint32_t i) const { return blocks_[i >> kBlockBits][i & ((1u << kBlockBits) - 1)]; }
  bool findIn(const std::vector<Slot>& index, const Key& key) const;
  static void place(std::vector<Slot>& index, Slot slot);
  bool repeatsNoneOfTheLast(const Key& key) const;
  bool holds(const Key& key) const;
  void placeWaiting();
  void growIndex();
  void moveSome(std::size_t slots);

  std::vector<std::vector<Entry>> blocks_;
  std::size_t size_ = 0;
  bool ascending_ = true;  // no entry's callsign sorts before an earlier entry's
  // Open addressing, at most half full. When it fills up a twice larger one
  // takes over, and the places of the old one are moved into it a few per
  // contact added, so no single contact pays for copying the whole index.
  std::vector<Slot> index_;
  std::vector<Slot> moving_;  // the previous index, moved from place moved_ on
  std::size_t moved_ = 0;
  // The last entries added wait for their places in the index and are
  // placed together: one place is a read of a random line of the index, and
  // in a loop of nothing else the processor waits for several of those
  // reads at once, where one per contact, among the contact's other work,
  // is waited for alone once the index outgrows the caches.
  static constexpr std::size_t kWaiting = 16;
  std::size_t placed_ = 0;  // entries before this one have their places
  std::array<std::uint32_t, kWaiting> waitingHash_{};  // of entry placed_ + i
  TextPool bands_;
  TextPool modes_;
};

}  // namespace q9x
