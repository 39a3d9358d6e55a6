#include "SettingsTestSupport.h"

#include <QDir>
#include <QFile>

namespace q9x::test {

StoreTest::StoreTest()
    : previousConfigHome_(qgetenv("XDG_CONFIG_HOME"))
{
  qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
  SettingsPlatform platform = qtSettingsPlatform();
  platform.hostProgramName = [this] { return hostName.toStdString(); };
  platform.screenSize = [this] { return ScreenSize{screen.width(), screen.height()}; };
  platform.pixelsPerInch = [this] { return pixelsPerInch; };
  platform.availableAreas = [this] {
    std::vector<PlacementRect> areas;
    for (const QRect& a : availableAreas) areas.push_back({a.left(), a.top(), a.left() + a.width(), a.top() + a.height()});
    return areas;
  };
  previousPlatform_ = setSettingsPlatform(platform);
  previousSink_ = setErrorSink([this](const QString& text) { errors << text; });
}

StoreTest::~StoreTest()
{
  setErrorSink(previousSink_);
  setSettingsPlatform(previousPlatform_);
  qputenv("XDG_CONFIG_HOME", previousConfigHome_);
}

QString StoreTest::storeFile() const
{
  return configHome.path() + QStringLiteral("/Software/") + hostName + QStringLiteral(".conf");
}

void StoreTest::writeRaw(const QString& section, const QString& name, const QString& iniText)
{
  QDir().mkpath(QFileInfo(storeFile()).path());
  QFile file(storeFile());
  ASSERT_TRUE(file.open(QFile::Append | QFile::Text));
  file.write(QStringLiteral("[%1]\n%2=%3\n").arg(section, name, iniText).toUtf8());
}

void StoreTest::store(const QString& section, const QString& name, const QString& text)
{
  QSettings settings(storeFile(), QSettings::IniFormat);
  settings.setValue(section + QLatin1Char('/') + name, text);
}

QVariant StoreTest::stored(const QString& section, const QString& name) const
{
  QSettings settings(storeFile(), QSettings::IniFormat);
  return settings.value(section + QLatin1Char('/') + name);
}

QStringList StoreTest::storedNames(const QString& section) const
{
  QSettings settings(storeFile(), QSettings::IniFormat);
  settings.beginGroup(section);
  QStringList names = settings.childKeys();
  names.sort();
  return names;
}

}  // namespace q9x::test
