#include "ui/settings/SettingsPlatform.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "platform/HostProgram.h"

namespace q9x {

namespace {

QSize primaryScreenSize()
{
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize();
}

int primaryScreenPixelsPerInch()
{
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch())) : 96;
}

QList<QRect> screenAvailableAreas()
{
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) areas.append(screen->availableGeometry());
  return areas;
}

SettingsPlatform& current()
{
  static SettingsPlatform platform = qtSettingsPlatform();
  return platform;
}

}  // namespace

SettingsPlatform qtSettingsPlatform()
{
  return {&hostProgramName, &primaryScreenSize, &primaryScreenPixelsPerInch, &screenAvailableAreas,
          &openQSettingsStore};
}

const SettingsPlatform& settingsPlatform() { return current(); }

SettingsPlatform setSettingsPlatform(SettingsPlatform platform)
{
  SettingsPlatform previous = std::move(current());
  current() = std::move(platform);
  return previous;
}

}  // namespace q9x
