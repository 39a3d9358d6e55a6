#include "hostkit/HostRecord.h"

#include <cstring>
#include <utility>

#include "plugin/RecordTexts.h"

namespace q9xkit {

using q9x::writeShort;

ContactFields::ContactFields(std::string callSign, std::string digiBand, std::string qsoMode,
                             std::string continent, std::string reportReceived, std::string mainPrefix,
                             std::string dxccPrefix)
{
  CallSign = std::move(callSign);
  DigiBand = std::move(digiBand);
  QSOMode = std::move(qsoMode);
  Continent = std::move(continent);
  QSOReportRecived = std::move(reportReceived);
  MainPrefix = std::move(mainPrefix);
  DXCCPrefix = std::move(dxccPrefix);
}

TPluginRecord makeRecord(const SessionFields& session, const ContactFields& contact, unsigned char hostFill)
{
  TPluginRecord rec;
  std::memset(&rec, hostFill, sizeof rec);
  rec.Connection = session.connection;
  writeShort(rec.TableName, session.table);
  writeShort(rec.CaptionText, session.caption);
  writeShort(rec.MyMainPrefix, session.myMainPrefix);
  q9x::storeLogRow(rec, contact);
  return rec;
}

QString readShortText(const TShortString& field)
{
  const std::string_view bytes = q9x::readShort(field);
  return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace q9xkit
