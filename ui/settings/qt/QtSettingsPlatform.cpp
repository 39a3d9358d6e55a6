#include "ui/settings/qt/QtSettingsPlatform.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "platform/qt/HostProgram.h"
#include "ui/settings/qt/QSettingsStore.h"

namespace q9x {

namespace {

ScreenSize primaryScreenSize()
{
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? ScreenSize{screen->size().width(), screen->size().height()} : ScreenSize{};
}

int primaryScreenPixelsPerInch()
{
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch())) : 96;
}

std::vector<PlacementRect> screenAvailableAreas()
{
  std::vector<PlacementRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect a = screen->availableGeometry();
    areas.push_back({a.left(), a.top(), a.left() + a.width(), a.top() + a.height()});
  }
  return areas;
}

std::string hostProgram() { return hostProgramName().toStdString(); }

}  // namespace

SettingsPlatform qtSettingsPlatform()
{
  return {&hostProgram, &primaryScreenSize, &primaryScreenPixelsPerInch, &screenAvailableAreas, &openQSettingsStore};
}

const SettingsPlatform& qtPlatformInUse()
{
  if (!settingsPlatform().openStore) setSettingsPlatform(qtSettingsPlatform());
  return settingsPlatform();
}

}  // namespace q9x
