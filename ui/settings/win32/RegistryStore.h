#pragma once
// The per-user settings store in the registry: the section is a subkey of
// HKEY_CURRENT_USER\<key path>, every value a REG_SZ in the host's code page.

#include <memory>
#include <string>

#include "ui/settings/SettingsStore.h"

namespace q9x {

std::unique_ptr<SettingsStore> openRegistryStore(const std::string& keyPath, const std::string& section);

}  // namespace q9x
