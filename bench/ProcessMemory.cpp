#include "bench/ProcessMemory.h"

#include <malloc.h>

#include <fstream>
#include <string>

namespace q9x::bench {

namespace {
// A "Name:   1234 kB" line of /proc/self/status, in bytes.
std::size_t statusBytes(const std::string& name)
{
  std::ifstream status("/proc/self/status");
  std::string key;
  std::size_t kilobytes = 0;
  while (status >> key) {
    if (key == name + ":" && status >> kilobytes) return kilobytes * 1024;
    status.ignore(1 << 20, '\n');
  }
  return 0;
}
}  // namespace

std::size_t heapInUse()
{
  struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

std::size_t residentNow() { return statusBytes("VmRSS"); }
std::size_t residentPeak() { return statusBytes("VmHWM"); }

void resetPeakResident()
{
  malloc_trim(0);
  std::ofstream("/proc/self/clear_refs") << "5";
}

}  // namespace q9x::bench
