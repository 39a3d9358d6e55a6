#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

#include "ui/settings/SettingsStore.h"

namespace q9x {

namespace {

QString storeLocation(const QString& keyPath)
{
#ifdef Q_OS_WIN
  return QStringLiteral("HKEY_CURRENT_USER\\") + keyPath;
#else
  QString relative = keyPath;
  relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
         relative + QStringLiteral(".conf");
#endif
}

constexpr QSettings::Format kStoreFormat =
#ifdef Q_OS_WIN
    QSettings::NativeFormat;
#else
    QSettings::IniFormat;
#endif

// Error texts travel in the local 8-bit encoding, as every reported error does.
[[noreturn]] void fail(const QString& text) { throw SettingsError(text.toLocal8Bit().toStdString()); }

class QSettingsStore final : public SettingsStore {
 public:
  QSettingsStore(const QString& keyPath, const QString& section)
      : settings_(storeLocation(keyPath), kStoreFormat), section_(section)
  {
    settings_.beginGroup(section_);
    sectionExisted_ = !settings_.childKeys().isEmpty();
  }

  std::optional<QString> read(const QString& name) override
  {
    if (settings_.status() == QSettings::AccessError)
      fail(QStringLiteral("Failed to get data for '%1'").arg(name));
    if (!settings_.contains(name)) return std::nullopt;
    const QVariant value = settings_.value(name);
    if (value.typeId() != QMetaType::QString)
      fail(QStringLiteral("Invalid data type for '%1'").arg(name));
    return value.toString();
  }

  void write(const QString& name, const QString& text) override
  {
    if (firstWritten_.isEmpty()) firstWritten_ = name;
    settings_.setValue(name, text);
  }

  void commit() override
  {
    // QSettings writes the whole file at once, so either every value of the
    // section is stored or none is. Whether the section was there before
    // decides how a failure is named: a store that never held it could not
    // create it, one that did could not take the values.
    const bool writable = settings_.isWritable();
    if (writable) settings_.sync();
    if (writable && settings_.status() != QSettings::AccessError) return;
    if (!sectionExisted_)
      fail(QStringLiteral("Failed to create key %1").arg(section_));
    fail(QStringLiteral("Failed to set data for '%1'").arg(firstWritten_));
  }

 private:
  QSettings settings_;
  QString section_;
  bool sectionExisted_ = false;
  QString firstWritten_;
};

}  // namespace

QString settingsKeyPath(const QString& hostProgram)
{
  return QStringLiteral("Software\\") + hostProgram;
}

std::unique_ptr<SettingsStore> openQSettingsStore(const QString& keyPath, const QString& section)
{
  return std::make_unique<QSettingsStore>(keyPath, section);
}

}  // namespace q9x
