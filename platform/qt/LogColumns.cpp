#include "platform/qt/LogColumns.h"

#include <stdexcept>

namespace q9x {

LogColumns::LogColumns(const QSqlRecord& result)
{
  for (std::size_t i = 0; i < kCount; ++i) {
    positions_[i] = result.indexOf(QLatin1String(kLogColumns[i].name));
    if (positions_[i] < 0 && readable_ == kCount) readable_ = i;
  }
}

void LogColumns::throwMissing() const
{
  throw std::runtime_error(std::string("LogQuery: Field '") + kLogColumns[readable_].name +
                           "' not found");
}

std::string& LogColumns::field(LogRow& row, std::size_t i) { return row.*kLogColumns[i].field; }

}  // namespace q9x
