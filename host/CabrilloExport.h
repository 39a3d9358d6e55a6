#pragma once
// The log as a Cabrillo 3.0 file for the contest's log checkers.

#include <QString>
#include <stdexcept>
#include <vector>

#include "host/LogDatabase.h"

namespace q9xhost {

struct ExportError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct CabrilloHeader {
  QString callSign;      // CALLSIGN: and OPERATORS:
  QString sentExchange;  // two words, written before every received exchange
  QString claimedScore;  // CLAIMED-SCORE:
};

// The score at the end of the plug-in's score line ("Score: 12*(3+4)=84").
// Throws ExportError when the line holds none.
QString scoreOfScoreLine(const QString& scoreLine);

// One QSO line per contact, repeats included (log checkers expect every
// contact made):
//   QSO: freq mo date time my-call rst-s exch-s call rst-r exch-r
// The received exchange is split into its first word and the rest (joined
// with _ so that no code is made up), "-" standing for an empty field.
QString cabrilloQsoLine(const CabrilloHeader& header, const LoggedContact& contact);

// Writes the whole file or nothing: the file appears only when complete.
void writeCabrillo(const QString& path, const CabrilloHeader& header,
                   const std::vector<LoggedContact>& log);

}  // namespace q9xhost
