#pragma once
// The host's record as the scoring session sees it: the context is read from
// the record, and the rows a log scan read are stored back into it, as the
// host finds its record after a recalculation.

#include "plugin/q9xcup.h"
#include "session/SessionHost.h"

namespace q9x {

class RecordHost final : public SessionHost {
 public:
  // The record must outlive this; it is read anew at every call.
  explicit RecordHost(TPluginRecord& record) : record_(record) {}

  SessionContext context() const override;
  LogRow currentRow() const override;
  // The record keeps the last row read, with the host's band put back.
  void scanEnded(const LogRow* lastRow, std::string_view band) override;
  // The record keeps the row being read.
  void scanFailed(const LogRow& row) override;

 private:
  TPluginRecord& record_;
};

}  // namespace q9x
