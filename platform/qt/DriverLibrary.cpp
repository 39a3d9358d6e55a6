#include "platform/qt/DriverLibrary.h"

namespace q9x {

void* openDriverPlugin(const QSqlDriver& driver)
{
  // The driver's virtual table lies in the plug-in that made the driver.
  Dl_info where{};
  const void* vtable = *reinterpret_cast<const void* const*>(&driver);
  if (dladdr(vtable, &where) == 0 || !where.dli_fname) return nullptr;
  return dlopen(where.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
}

}  // namespace q9x
