#pragma once
// The fields of the current contact that the rules read. The views point into
// whatever holds the contact (the host record, or a row of the log scan) and
// must outlive the call they are passed to.

#include <string_view>

namespace q9x {

struct Contact {
  std::string_view callSign;
  std::string_view band;          // MHz text, exactly as the host sent it
  std::string_view mode;
  std::string_view report;        // exchange received
  std::string_view mainPrefix;    // worked station
  std::string_view dxccPrefix;    // worked station
  std::string_view myMainPrefix;  // operator's own station
};

}  // namespace q9x
