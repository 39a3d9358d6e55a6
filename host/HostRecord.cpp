#include "host/HostRecord.h"

#include <cstring>

#include "host/ShortText.h"

namespace q9xhost {

TPluginRecord makeRecord(const HostSession& session, const ContactFields& contact)
{
  TPluginRecord rec;
  std::memset(&rec, 0, sizeof rec);
  rec.Connection = session.connection;
  writeShortText(rec.TableName, session.table);
  writeShortText(rec.CaptionText, session.caption);
  writeShortText(rec.MyMainPrefix, session.myMainPrefix);
  writeShortText(rec.CallSign, contact.callSign);
  writeShortText(rec.DigiBand, contact.digiBand);
  writeShortText(rec.QSOMode, contact.qsoMode);
  writeShortText(rec.Continent, contact.continent);
  writeShortText(rec.QSOReportRecived, contact.reportReceived);
  writeShortText(rec.MainPrefix, contact.mainPrefix);
  writeShortText(rec.DXCCPrefix, contact.dxccPrefix);
  return rec;
}

}  // namespace q9xhost
