#include "hostkit/HostRecord.h"

#include <cstring>

#include "hostkit/ShortText.h"

namespace q9xkit {

TPluginRecord makeRecord(const SessionFields& session, const ContactFields& contact, unsigned char hostFill)
{
  TPluginRecord rec;
  std::memset(&rec, hostFill, sizeof rec);
  rec.Connection = session.connection;
  writeShort(rec.TableName, session.table);
  writeShort(rec.CaptionText, session.caption);
  writeShort(rec.MyMainPrefix, session.myMainPrefix);
  writeShort(rec.CallSign, contact.callSign);
  writeShort(rec.DigiBand, contact.digiBand);
  writeShort(rec.QSOMode, contact.qsoMode);
  writeShort(rec.Continent, contact.continent);
  writeShort(rec.QSOReportRecived, contact.reportReceived);
  writeShort(rec.MainPrefix, contact.mainPrefix);
  writeShort(rec.DXCCPrefix, contact.dxccPrefix);
  return rec;
}

}  // namespace q9xkit
