#include "bench/LogReadingScans.h"

#include <stdexcept>

#include "engine/ContestEngine.h"
#include "engine/LogScan.h"
#include "platform/qt/QtLogReaders.h"
#include "platform/qt/QtSqlLogReader.h"

namespace q9x::bench {

std::size_t countThroughQtSql(const std::string& table)
{
  ContestEngine engine;
  QtSqlLogReader query(0);
  LogRow row;
  query.open(table);
  return countLog(engine, query, row, "UA3A");
}

std::size_t countThroughNativeHandle(const std::string& table)
{
  ContestEngine engine;
  QtLogReader query(0);
  LogRow row;
  query.open(table);
  query.resumeAfterEvents();
  if (!query.readsNatively()) throw std::runtime_error("the log was not read natively");
  return countLog(engine, query, row, "UA3A");
}

}  // namespace q9x::bench
