#include "engine/LogScan.h"

#include "engine/Text.h"

namespace q9x {

namespace {
void normalise(LogRow& row)
{
  for (const LogColumn& column : kLogColumns) cutToShortString(row.*column.field);
  upperAsciiInPlace(row.Continent);
}
}  // namespace

std::size_t countLog(ContestEngine& engine, LogSource& source, LogRow& row,
                     std::string_view myMainPrefix)
{
  std::size_t rows = 0;
  while (source.next(row)) {
    ++rows;
    normalise(row);
    engine.count(Contact{row.CallSign, row.DigiBand, row.QSOMode, row.QSOReportRecived,
                         row.MainPrefix, row.DXCCPrefix, myMainPrefix});
  }
  return rows;
}

}  // namespace q9x
