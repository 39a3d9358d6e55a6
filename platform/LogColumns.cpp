#include "platform/LogColumns.h"

#include <stdexcept>

namespace q9x {

namespace {
// In the order the scan reads them, matching LogColumns::field.
constexpr std::array<const char*, LogColumns::kCount> kNames = {
    "QSOReportRecived", "DXCCPrefix", "MainPrefix", "CallSign", "DigiBand", "QSOMode", "Continent"};
}  // namespace

LogColumns::LogColumns(const QSqlRecord& result)
{
  for (std::size_t i = 0; i < kCount; ++i) {
    positions_[i] = result.indexOf(QLatin1String(kNames[i]));
    if (positions_[i] < 0 && readable_ == kCount) readable_ = i;
  }
}

void LogColumns::throwMissing() const
{
  throw std::runtime_error(std::string("LogQuery: Field '") + kNames[readable_] + "' not found");
}

std::string& LogColumns::field(LogRow& row, std::size_t i)
{
  std::string* const fields[kCount] = {&row.QSOReportRecived, &row.DXCCPrefix, &row.MainPrefix,
                                       &row.CallSign,         &row.DigiBand,   &row.QSOMode,
                                       &row.Continent};
  return *fields[i];
}

}  // namespace q9x
