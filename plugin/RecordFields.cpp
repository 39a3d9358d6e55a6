#include "plugin/RecordFields.h"

#include "plugin/ShortString.h"

namespace q9x {

Contact contactOf(const TPluginRecord& r)
{
  return Contact{readShort(r.CallSign),   readShort(r.DigiBand),   readShort(r.QSOMode),
                 readShort(r.QSOReportRecived), readShort(r.MainPrefix), readShort(r.DXCCPrefix),
                 readShort(r.MyMainPrefix)};
}

LogRow logRowOf(const TPluginRecord& r)
{
  return LogRow{std::string(readShort(r.QSOReportRecived)), std::string(readShort(r.DXCCPrefix)),
                std::string(readShort(r.MainPrefix)),       std::string(readShort(r.CallSign)),
                std::string(readShort(r.DigiBand)),         std::string(readShort(r.QSOMode)),
                std::string(readShort(r.Continent))};
}

void storeLogRow(TPluginRecord& r, const LogRow& row)
{
  writeShort(r.QSOReportRecived, row.QSOReportRecived);
  writeShort(r.DXCCPrefix, row.DXCCPrefix);
  writeShort(r.MainPrefix, row.MainPrefix);
  writeShort(r.CallSign, row.CallSign);
  writeShort(r.DigiBand, row.DigiBand);
  writeShort(r.QSOMode, row.QSOMode);
  writeShort(r.Continent, row.Continent);
}

}  // namespace q9x
