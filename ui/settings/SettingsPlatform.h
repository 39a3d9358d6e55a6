#pragma once
// What the stored window settings take from the platform: whose store they
// use, the screen they are saved on, and the store itself. The process keeps
// one; tests replace parts of it to play other hosts and screens.

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

#include "ui/settings/SettingsStore.h"

namespace q9x {

struct SettingsPlatform {
  // The host executable's name; its settings are kept apart from other hosts'.
  std::function<QString()> hostProgramName;
  // The primary screen's size in pixels.
  std::function<QSize()> screenSize;
  // The primary screen's logical pixels per inch.
  std::function<int()> pixelsPerInch;
  // The part of each screen that windows may take (without panels and docks).
  std::function<QList<QRect>()> availableAreas;
  // Opens the store at a key path for one section.
  std::function<std::unique_ptr<SettingsStore>(const QString& keyPath, const QString& section)> openStore;
};

// The real platform: the running host, the primary screen, QSettings.
SettingsPlatform qtSettingsPlatform();

// The platform in use.
const SettingsPlatform& settingsPlatform();

// Replaces the platform in use and returns the previous one.
SettingsPlatform setSettingsPlatform(SettingsPlatform platform);

}  // namespace q9x
