#include "ui/settings/SettingsPlatform.h"

namespace q9x {

namespace {

SettingsPlatform& current()
{
  static SettingsPlatform platform;
  return platform;
}

}  // namespace

const SettingsPlatform& settingsPlatform() { return current(); }

SettingsPlatform setSettingsPlatform(SettingsPlatform platform)
{
  SettingsPlatform previous = std::move(current());
  current() = std::move(platform);
  return previous;
}

}  // namespace q9x
