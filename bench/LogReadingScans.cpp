#include "bench/LogReadingScans.h"

#include <stdexcept>

#include "engine/ContestEngine.h"
#include "engine/LogScan.h"
#include "platform/QtSqlLogQuery.h"

namespace q9x::bench {

namespace {
std::size_t countWith(const std::string& table, QtSqlLogQuery::Reading reading, bool native)
{
  ContestEngine engine;
  QtSqlLogQuery query(0, reading);
  LogRow row;
  query.open(table);
  if (query.readsNatively() != native) throw std::runtime_error("the log was not read the way asked");
  return countLog(engine, query, row, "UA3A");
}
}  // namespace

std::size_t countThroughQtSql(const std::string& table)
{
  return countWith(table, QtSqlLogQuery::Reading::QtSqlOnly, false);
}

std::size_t countThroughNativeHandle(const std::string& table)
{
  return countWith(table, QtSqlLogQuery::Reading::Fastest, true);
}

}  // namespace q9x::bench
