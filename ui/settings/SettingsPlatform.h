#pragma once
// What the stored window settings take from the platform: whose store they
// use, the screens the windows are saved and put back on, and the store
// itself. The process keeps one; tests replace parts of it to play other
// hosts and screens.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/settings/SettingsStore.h"
#include "ui/settings/WindowPlacement.h"

namespace q9x {

struct SettingsPlatform {
  // The host executable's name; its settings are kept apart from other hosts'.
  std::function<std::string()> hostProgramName;
  // The primary screen's size in pixels.
  std::function<ScreenSize()> screenSize;
  // The primary screen's pixels per inch.
  std::function<int()> pixelsPerInch;
  // The part of each screen that windows may take (without panels and docks).
  std::function<std::vector<PlacementRect>()> availableAreas;
  // Opens the store at a key path for one section.
  std::function<std::unique_ptr<SettingsStore>(const std::string& keyPath, const std::string& section)> openStore;
};

// The platform in use; empty until the front-end sets one.
const SettingsPlatform& settingsPlatform();

// Replaces the platform in use and returns the previous one.
SettingsPlatform setSettingsPlatform(SettingsPlatform platform);

}  // namespace q9x
