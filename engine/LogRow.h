#pragma once
// The host's log as the plug-in reads it: the one statement every scan runs
// (engine/LogStatement.h), and the seven columns it reads, each named once
// beside the row field it fills. Readers, the record conversion, the
// reference host's table and the benchmark's logs all take the columns from
// here, so the name and the field of an entry cannot drift apart.

#include <array>
#include <string>
#include <string_view>

#include "engine/LogStatement.h"

namespace q9x {

// The texts of one log row, as the host's columns of the same names hold them.
struct LogRow {
  std::string QSOReportRecived;
  std::string DXCCPrefix;
  std::string MainPrefix;
  std::string CallSign;
  std::string DigiBand;
  std::string QSOMode;
  std::string Continent;
};

struct LogColumn {
  const char* name;
  std::string LogRow::*field;
};

// In the order a scan reads them: a row that fails on a missing column keeps
// the fields before it.
inline constexpr std::array<LogColumn, 7> kLogColumns = {{
    {"QSOReportRecived", &LogRow::QSOReportRecived},
    {"DXCCPrefix", &LogRow::DXCCPrefix},
    {"MainPrefix", &LogRow::MainPrefix},
    {"CallSign", &LogRow::CallSign},
    {"DigiBand", &LogRow::DigiBand},
    {"QSOMode", &LogRow::QSOMode},
    {"Continent", &LogRow::Continent},
}};

}  // namespace q9x
