#include "host/HostRecord.h"

#include "hostkit/HostRecord.h"

namespace q9xhost {

namespace {
// The host's texts go into the records in the local 8-bit encoding.
std::string bytes(const QString& text) { return text.toLocal8Bit().toStdString(); }
}  // namespace

TPluginRecord makeRecord(const HostSession& session, const ContactFields& contact)
{
  return q9xkit::makeRecord(
      {session.connection, bytes(session.table), bytes(session.caption), bytes(session.myMainPrefix)},
      {bytes(contact.callSign), bytes(contact.digiBand), bytes(contact.qsoMode), bytes(contact.continent),
       bytes(contact.reportReceived), bytes(contact.mainPrefix), bytes(contact.dxccPrefix)});
}

}  // namespace q9xhost
