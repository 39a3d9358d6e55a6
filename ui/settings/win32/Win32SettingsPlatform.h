#pragma once
// The stored settings' platform under Win32: the running host executable,
// the primary screen, the monitors' work areas and the registry.

#include "ui/settings/SettingsPlatform.h"

namespace q9x {

SettingsPlatform win32SettingsPlatform();

// The platform in use; Win32's until one is set.
const SettingsPlatform& win32PlatformInUse();

}  // namespace q9x
