// The six functions the host calls: each hands the host's record to the
// library's boundary, which catches everything, so no exception reaches the host.

#include "plugin/PluginBoundary.h"
#include "plugin/q9xcup.h"

using q9x::plugin::boundary;

extern "C" {

Q9X_API void Q9X_CALL _GetInfo(TPluginInfo* info)
{
  if (!info) return;
  q9x::writeShort(info->PluginName, "Q9X-CUP-DIGI");
  info->PluginValue = 1;
  q9x::writeShort(info->HostId, "vextor_contest");
  info->HostValue = 1;
}

Q9X_API intptr_t Q9X_CALL _Run(intptr_t, const TPluginRecord* rec) { return boundary().run(rec); }

Q9X_API int32_t Q9X_CALL _GetScore(const TPluginRecord* rec) { return boundary().score(rec); }

Q9X_API int32_t Q9X_CALL _AddQSO(const TPluginRecord* rec) { return boundary().addQso(rec); }

Q9X_API void Q9X_CALL _GrabNumber(const TPluginRecord* rec, unsigned char result[256])
{
  boundary().grabNumber(rec, result);
}

Q9X_API void Q9X_CALL _Release(void) { boundary().release(); }

}  // extern "C"
