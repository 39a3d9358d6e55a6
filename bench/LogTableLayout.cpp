#include "bench/LogTableLayout.h"

#include <algorithm>
#include <stdexcept>

#include "engine/LogRow.h"

namespace q9x::bench {

namespace {
// A logger's column and where its value comes from: one of the seven the
// plug-in reads (named in the schema), or the logger's own.
enum class Own { None, DateTime, Frequency, RstSent, ReportSent, Operator };
struct Column {
  const char* name;
  Own own;
};

constexpr Column kColumns[] = {
    {"QSODateTime", Own::DateTime}, {"CallSign", Own::None},        {"DigiBand", Own::None},
    {"Frequency", Own::Frequency},  {"QSOMode", Own::None},         {"RSTSent", Own::RstSent},
    {"QSOReportSent", Own::ReportSent}, {"QSOReportRecived", Own::None}, {"MainPrefix", Own::None},
    {"DXCCPrefix", Own::None},      {"Continent", Own::None},       {"Operator", Own::Operator},
};

const LogColumn& readColumn(const char* name)
{
  const auto found = std::find_if(kLogColumns.begin(), kLogColumns.end(),
                                  [name](const LogColumn& c) { return std::string_view(c.name) == name; });
  if (found == kLogColumns.end()) throw std::logic_error(std::string("not a log column: ") + name);
  return *found;
}

std::string frequencyOf(const std::string& band)
{
  if (band == "3.5") return "3580.0";
  if (band == "7") return "7040.0";
  return band + "080.0";
}

LogRow rowOf(const GeneratedContact& c)
{
  return LogRow{c.report, c.dxccPrefix, c.mainPrefix, c.callSign, c.band, c.mode, c.continent};
}


bool inShape(const Column& column, const LogTableShape& shape)
{
  return column.own == Own::None || !shape.readColumnsOnly;
}
}  // namespace

std::vector<std::string> logTableColumns(const LogTableShape& shape)
{
  std::vector<std::string> names;
  std::size_t read = 0;
  for (const Column& column : kColumns) {
    if (!inShape(column, shape)) continue;
    if (column.own == Own::None) {
      readColumn(column.name);
      ++read;
    }
    names.emplace_back(column.name);
  }
  if (read != kLogColumns.size()) throw std::logic_error("the log table lacks a column the plug-in reads");
  return names;
}

std::string createLogTableStatement(const std::string& name, const std::string& idType,
                                    const LogTableShape& shape)
{
  std::string statement = "CREATE TABLE " + name + " (ID " + idType + " PRIMARY KEY";
  for (const std::string& column : logTableColumns(shape)) statement += ", " + column + " text";
  return statement + ")";
}

std::vector<std::optional<std::string>> logTableValues(const GeneratedContact& contact,
                                                       std::size_t serial, const LogTableShape& shape)
{
  const LogRow row = rowOf(contact);
  std::vector<std::optional<std::string>> values;
  values.reserve(std::size(kColumns));
  for (const Column& column : kColumns) {
    if (!inShape(column, shape)) continue;
    switch (column.own) {
      case Own::None: values.emplace_back(row.*readColumn(column.name).field); break;
      case Own::DateTime:
        values.emplace_back("2024-06-01 " + std::to_string(10 + serial % 14) + ":" +
                            std::to_string(10 + serial % 50) + ":00");
        break;
      case Own::Frequency: values.emplace_back(frequencyOf(contact.band)); break;
      case Own::RstSent: values.emplace_back("599"); break;
      case Own::ReportSent: values.emplace_back("599 " + std::to_string(serial)); break;
      case Own::Operator: values.emplace_back(std::nullopt); break;  // a single-operator log
    }
  }
  return values;
}

}  // namespace q9x::bench
