#include "tests/lifecycle/LifecycleHost.h"

#include <malloc.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <cstring>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer's allocator keeps its own count; malloc's figures are empty.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace q9xtest {

namespace {
void setShort(TShortString& field, const std::string& text)
{
  field[0] = static_cast<unsigned char>(text.size());
  std::memcpy(field + 1, text.data(), text.size());
}
}  // namespace

EmptyLog::EmptyLog()
{
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
  db.setDatabaseName(QStringLiteral(":memory:"));
  db.open();
  QSqlQuery(db).exec(QStringLiteral("create table Log (CallSign text, DigiBand text, QSOMode text, Continent text, "
                                    "QSOReportRecived text, MainPrefix text, DXCCPrefix text)"));
}

EmptyLog::~EmptyLog()
{
  QSqlDatabase::database().close();
  QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
}

TPluginRecord hostRecord()
{
  TPluginRecord r{};
  setShort(r.TableName, "Log");
  setShort(r.CaptionText, "Lifecycle");
  setShort(r.MyMainPrefix, "UA3A");
  setShort(r.CallSign, "UA3ABC");
  setShort(r.DigiBand, "7");
  setShort(r.QSOMode, "RTTY");
  setShort(r.QSOReportRecived, "599 AB");
  setShort(r.MainPrefix, "UA3A");
  setShort(r.DXCCPrefix, "UA3A");
  return r;
}

std::size_t heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
#endif
}

}  // namespace q9xtest
