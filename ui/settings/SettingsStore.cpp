#include "ui/settings/SettingsStore.h"

namespace q9x {

SettingsError invalidDataType(const std::string& valueName)
{
  return SettingsError("Invalid data type for '" + valueName + "'");
}

SettingsError failedToGetData(const std::string& valueName)
{
  return SettingsError("Failed to get data for '" + valueName + "'");
}

SettingsError failedToCreateKey(const std::string& section) { return SettingsError("Failed to create key " + section); }

SettingsError failedToSetData(const std::string& valueName)
{
  return SettingsError("Failed to set data for '" + valueName + "'");
}

std::string settingsKeyPath(const std::string& hostProgram) { return "Software\\" + hostProgram; }

}  // namespace q9x
