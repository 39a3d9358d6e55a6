#pragma once
// The seven columns a log scan reads, found by name in a result's columns the
// way Qt SQL finds a field (the first whose name matches without regard to
// case). Every way of reading the log looks them up the same way, when the
// first row is read, so an empty table needs none of them.

#include <QSqlRecord>
#include <array>
#include <cstddef>
#include <string>

#include "engine/LogRow.h"

namespace q9x {

class LogColumns {
 public:
  static constexpr std::size_t kCount = kLogColumns.size();

  // Finds the columns in the result's field names.
  explicit LogColumns(const QSqlRecord& result);

  // The result's column position of the row field read i-th.
  int position(std::size_t i) const { return positions_[i]; }
  // The fields that can be read before the first missing one (kCount when
  // none is missing).
  std::size_t readable() const { return readable_; }
  // "LogQuery: Field 'NAME' not found" for the first missing column.
  [[noreturn]] void throwMissing() const;

  // The row's text read i-th, in the order of the columns.
  static std::string& field(LogRow& row, std::size_t i);

 private:
  std::array<int, kCount> positions_{};
  std::size_t readable_ = kCount;
};

}  // namespace q9x
