#pragma once
// The register of counted contacts. It is kept in callsign byte order at all
// times (each contact goes straight to its sorted place), so a repeat is found
// by a logarithmic search whatever order the contacts arrived in.

#include <cstdint>
#include <set>
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
  // A contact that sorts after every registered one (as the rows of a log
  // read in callsign order do) is placed without a search.
  bool add(std::string_view callSign, std::string_view band, std::string_view mode);

  std::size_t size() const { return entries_.size(); }
  void clear();

  // The register in its order: ascending callsign by unsigned byte value.
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
  };
  struct Order {
    using is_transparent = void;
    static Key key(const Entry& e) { return {e.callSign, e.band, e.mode}; }
    static Key key(const Key& k) { return k; }
    template <class A, class B>
    bool operator()(const A& a, const B& b) const
    {
      Key x = key(a), y = key(b);
      // std::string_view compares bytes as unsigned values.
      if (int c = x.callSign.compare(y.callSign)) return c < 0;
      if (x.band != y.band) return x.band < y.band;
      return x.mode < y.mode;
    }
  };

  std::set<Entry, Order> entries_;
  TextPool bands_;
  TextPool modes_;
};

}  // namespace q9x
