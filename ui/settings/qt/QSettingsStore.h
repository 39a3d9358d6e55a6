#pragma once
// The per-user settings store over QSettings: on Windows the registry under
// HKEY_CURRENT_USER, elsewhere one INI file per key path,
// <user config dir>/Software/<host>.conf. Names and texts are UTF-8.

#include <memory>
#include <string>

#include "ui/settings/SettingsStore.h"

namespace q9x {

std::unique_ptr<SettingsStore> openQSettingsStore(const std::string& keyPath, const std::string& section);

}  // namespace q9x
