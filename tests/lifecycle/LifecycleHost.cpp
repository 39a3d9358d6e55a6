#include "tests/lifecycle/LifecycleHost.h"

#include <malloc.h>

#include <QSqlDatabase>
#include <QSqlQuery>

#include "hostkit/HostRecord.h"

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer's allocator keeps its own count; malloc's figures are empty.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace q9xtest {

TPluginRecord hostRecord()
{
  return q9xkit::makeRecord({0, "Log", "Lifecycle", "UA3A"},
                            {"UA3ABC", "7", "RTTY", "", "599 AB", "UA3A", "UA3A"});
}

std::size_t heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
#endif
}

}  // namespace q9xtest
