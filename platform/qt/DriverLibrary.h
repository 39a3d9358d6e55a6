#pragma once
// The shared library of the Qt SQL plug-in that made a driver, and the C
// functions of its database client looked up through it. A lookup through the
// plug-in's handle searches the plug-in and the libraries it was linked with,
// so the functions are the very ones the driver uses, never a second copy.

#include <dlfcn.h>

class QSqlDriver;

namespace q9x {

// A new reference to the driver's plug-in (already loaded by Qt), so that it
// stays while its functions are in use; null when it cannot be told. Give it
// back with dlclose.
void* openDriverPlugin(const QSqlDriver& driver);

// Looks the function up in the library; false when it is not exported there.
template <typename F>
bool resolveFunction(void* library, const char* name, F& into)
{
  into = reinterpret_cast<F>(dlsym(library, name));
  return into != nullptr;
}

}  // namespace q9x
