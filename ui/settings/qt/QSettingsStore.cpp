#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

#include "ui/settings/qt/QSettingsStore.h"

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

// Every QString handed to QSettings is built at run time: its cache keeps
// them, and it outlives this library.
QString text(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

class QSettingsStore final : public SettingsStore {
 public:
  QSettingsStore(const std::string& keyPath, const std::string& section)
      : settings_(storeLocation(text(keyPath)), kStoreFormat), section_(section)
  {
    settings_.beginGroup(text(section_));
    sectionExisted_ = !settings_.childKeys().isEmpty();
  }

  std::optional<std::string> read(const std::string& name) override
  {
    if (settings_.status() == QSettings::AccessError) throw failedToGetData(name);
    const QString key = text(name);
    if (!settings_.contains(key)) return std::nullopt;
    const QVariant value = settings_.value(key);
    if (value.typeId() != QMetaType::QString) throw invalidDataType(name);
    return value.toString().toStdString();
  }

  void write(const std::string& name, const std::string& value) override
  {
    if (firstWritten_.empty()) firstWritten_ = name;
    settings_.setValue(text(name), text(value));
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
    if (!sectionExisted_) throw failedToCreateKey(section_);
    throw failedToSetData(firstWritten_);
  }

 private:
  QSettings settings_;
  std::string section_;
  bool sectionExisted_ = false;
  std::string firstWritten_;
};

}  // namespace

std::unique_ptr<SettingsStore> openQSettingsStore(const std::string& keyPath, const std::string& section)
{
  return std::make_unique<QSettingsStore>(keyPath, section);
}

}  // namespace q9x
