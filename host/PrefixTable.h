#pragma once
// The host's prefix data: which main prefix and DXCC prefix a callsign
// belongs to, read from an editable text file (q9x-host-prefixes.txt beside
// the executable; its format is described at the top of the shipped file).

#include <QString>
#include <optional>
#include <stdexcept>
#include <vector>

namespace q9xhost {

struct PrefixFileError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct StationPrefixes {
  QString mainPrefix;
  QString dxccPrefix;
};

// The part of a callsign that decides its prefixes, in capitals: portable
// suffixes (/P, /M, /MM, /AM, /A, /QRP, /LH) are dropped, a single digit after
// the slash replaces the call area digit (R3AA/1 reads as R1AA), and of two
// other parts the shorter one is the prefix the station works from (DL/R3AA,
// R3AA/UA9 read as DL and UA9).
QString prefixPartOf(const QString& callSign);

class PrefixTable {
 public:
  PrefixTable() = default;

  // Reads the file; throws PrefixFileError naming the line of a malformed entry.
  static PrefixTable load(const QString& path);

  // The shipped file beside the running executable.
  static QString defaultPath();

  // The entry with the longest callsign prefix that the callsign starts with;
  // of two as long, the one with fewer letter sets. Nothing when no entry fits.
  std::optional<StationPrefixes> lookup(const QString& callSign) const;

  bool isEmpty() const { return entries_.empty(); }

 private:
  struct Entry {
    // One set of allowed characters per position of the callsign prefix.
    std::vector<QString> positions;
    int sets = 0;
    StationPrefixes prefixes;
  };
  static bool matches(const Entry& entry, const QString& text);

  std::vector<Entry> entries_;
};

}  // namespace q9xhost
