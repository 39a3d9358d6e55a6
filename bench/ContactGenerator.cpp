#include "bench/ContactGenerator.h"

#include <array>
#include <random>
#include <string_view>
#include <unordered_set>

namespace q9x::bench {

namespace {

// One kind of station: how its callsigns start and what it sends.
struct StationKind {
  std::vector<std::string_view> callPrefixes;  // the callsign up to and including its digit
  std::string_view mainPrefix;
  std::string_view dxccPrefix;
  std::string_view continent;
};

const std::array<StationKind, 4> kKinds = {{
    {{"R3", "RA3", "RN3", "RV3", "RW3", "RX3", "RZ3", "UA3", "UB3", "UC3", "RK3", "RM3", "RU3",
      "RT3", "UD3", "UE3"},
     "UA3A", "UA3A", "EU"},
    {{"R9", "RA9", "RN9", "UA9", "RV6", "RW6", "UA6", "R1", "UA1", "RN1", "UA4", "RZ4", "RA0",
      "UA0"},
     "UA9", "UA", "AS"},
    {{"R6", "UA6", "RN6", "RX6", "R4", "UA4", "RK4", "R2", "UA2"}, "UA6", "UA", "EU"},
    {{"DL1", "DL5", "OK1", "OK2", "SP5", "SP9", "YL2", "ES1", "UR5", "UT7", "LY2", "EW8", "JA1",
      "K1", "W9"},
     "", "", "EU"},
}};

// Share of each kind, in percent, in the order above.
constexpr std::array<int, 4> kKindShare = {30, 25, 20, 25};

const std::array<std::string_view, 2> kAreaCodes0 = {"AB", "KA"};
constexpr std::string_view kAreaLetters = "ABCDEFGHKLMNOPRSTVZ";
const std::array<std::string_view, 12> kRdaRegions = {"MO", "VO", "TV", "YA", "KS", "KO", "LP", "RA",
                                            "SM", "TL", "VL", "IV"};

struct Band {
  std::string_view text;
  int share;  // percent
};
constexpr Band kBands[] = {{"3.5", 44}, {"7", 44}, {"14", 5}, {"21", 3}, {"1.8", 2}, {"28", 2}};

struct Mode {
  std::string_view text;
  int share;
};
constexpr Mode kModes[] = {{"RTTY", 55}, {"BPSK31", 20}, {"FT4", 15}, {"BPSK63", 10}};

template <class Table>
std::string_view pickShared(const Table& table, int percent)
{
  for (const auto& entry : table) {
    if (percent < entry.share) return entry.text;
    percent -= entry.share;
  }
  return std::end(table)[-1].text;
}

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  GeneratedContact newStation()
  {
    const StationKind& kind = kKinds[pickKind()];
    GeneratedContact c;
    c.callSign = std::string(pick(kind.callPrefixes)) + suffix();
    if (below(100) < 4) c.callSign += "/P";
    c.mainPrefix = kind.mainPrefix;
    c.dxccPrefix = kind.dxccPrefix;
    if (kind.mainPrefix.empty()) {  // foreign: the prefix is the callsign's start
      c.mainPrefix = c.callSign.substr(0, c.callSign.find_first_of("0123456789"));
      c.dxccPrefix = c.mainPrefix;
    }
    c.continent = below(100) < 3 ? "eu" : std::string(kind.continent);
    c.report = report(kind);
    c.band = pickShared(kBands, below(100));
    c.mode = pickShared(kModes, below(100));
    return c;
  }

  // The same station worked again on another band or in another mode.
  GeneratedContact workedAgain(const GeneratedContact& earlier)
  {
    GeneratedContact c = earlier;
    c.band = pickShared(kBands, below(100));
    c.mode = pickShared(kModes, below(100));
    return c;
  }

  std::size_t below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

 private:
  std::size_t pickKind()
  {
    int percent = static_cast<int>(below(100));
    for (std::size_t i = 0; i < kKindShare.size(); ++i) {
      if (percent < kKindShare[i]) return i;
      percent -= kKindShare[i];
    }
    return kKindShare.size() - 1;
  }

  template <class List>
  std::string_view pick(const List& list) { return list[below(list.size())]; }

  char letter() { return static_cast<char>('A' + below(26)); }

  std::string suffix()
  {
    std::size_t length = 1 + below(3);
    std::string s;
    for (std::size_t i = 0; i < length; ++i) s += letter();
    return s;
  }

  std::string report(const StationKind& kind)
  {
    std::string rst = below(2) ? "599 " : "59 ";
    if (kind.mainPrefix == "UA3A") {
      // Mostly the codes of the shipped area file, some others, some lower case.
      std::string code = below(2) ? std::string(pick(kAreaCodes0))
                                  : std::string{kAreaLetters[below(kAreaLetters.size())],
                                                kAreaLetters[below(kAreaLetters.size())]};
      if (below(100) < 5) code = "ab";
      return rst + code;
    }
    if (kind.dxccPrefix == "UA") {
      std::string rda(pick(kRdaRegions));
      rda += static_cast<char>('0' + below(10));
      rda += static_cast<char>('0' + below(10));
      return rst + (below(100) < 5 ? rda.substr(0, 2) + "-" + rda.substr(2) : rda);
    }
    return rst + std::to_string(1 + below(below(10) == 0 ? 2000 : 400));
  }

  std::mt19937 random_;
};

}  // namespace

std::vector<GeneratedContact> generateContacts(std::size_t count, unsigned seed)
{
  Generator generator(seed);
  std::vector<GeneratedContact> contacts;
  contacts.reserve(count);
  std::unordered_set<std::string> keys;
  keys.reserve(count);
  while (contacts.size() < count) {
    // A quarter of the contacts work a station already in the log again.
    GeneratedContact c = !contacts.empty() && generator.below(4) == 0
                             ? generator.workedAgain(contacts[generator.below(contacts.size())])
                             : generator.newStation();
    if (keys.insert(c.callSign + '\x01' + c.band + '\x01' + c.mode).second)
      contacts.push_back(std::move(c));
  }
  return contacts;
}

}  // namespace q9x::bench
