#pragma once
// Both windows' list views only show texts: no item is ever selected or
// focused, as a highlighted one would look like an item needing attention.

#include <windows.h>
#include <commctrl.h>

namespace q9x::win32 {

// The answer to LVN_ITEMCHANGING: TRUE refuses a change that would select or
// focus an item; a change of text goes through.
inline LRESULT selects(const NMLISTVIEW& change)
{
  return (change.uChanged & LVIF_STATE) && (change.uNewState & (LVIS_SELECTED | LVIS_FOCUSED)) ? TRUE : FALSE;
}

}  // namespace q9x::win32
