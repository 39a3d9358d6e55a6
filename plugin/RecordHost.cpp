#include "plugin/RecordHost.h"

#include "plugin/RecordFields.h"
#include "plugin/RecordTexts.h"
#include "plugin/q9xcup.h"

namespace q9x {

SessionContext RecordHost::context() const
{
  return SessionContext{record_.Connection, std::string(readShort(record_.TableName)),
                        std::string(readShort(record_.CaptionText)),
                        std::string(readShort(record_.MyMainPrefix)),
                        std::string(readShort(record_.DigiBand))};
}

LogRow RecordHost::currentRow() const { return logRowOf(record_); }

void RecordHost::scanEnded(const LogRow* lastRow, std::string_view band)
{
  if (lastRow) storeLogRow(record_, *lastRow);
  writeShort(record_.DigiBand, band);
}

void RecordHost::scanFailed(const LogRow& row) { storeLogRow(record_, row); }

}  // namespace q9x
