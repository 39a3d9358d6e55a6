#pragma once
// The stored settings' platform under Qt: the running host, the primary
// screen, QSettings.

#include "ui/settings/SettingsPlatform.h"

namespace q9x {

SettingsPlatform qtSettingsPlatform();

// The platform in use; Qt's until one is set.
const SettingsPlatform& qtPlatformInUse();

}  // namespace q9x
