// A library that looks like the plug-in but exports only two of its six
// functions; the host must refuse it without calling anything.

#include <cstdint>
#include <cstdlib>

extern "C" {

__attribute__((visibility("default"))) void _GetInfo(void*) { std::abort(); }

__attribute__((visibility("default"))) std::intptr_t _Run(std::intptr_t, const void*)
{
  std::abort();
}

}  // extern "C"
