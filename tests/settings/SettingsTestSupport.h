#pragma once
// A settings store of the test's own: XDG_CONFIG_HOME in a temporary folder,
// a host program name and a screen the test chooses, errors collected.

#include <QList>
#include <QRect>
#include <QSettings>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/qt/ErrorReport.h"
#include "ui/settings/qt/QtSettingsPlatform.h"

namespace q9x::test {

class StoreTest : public ::testing::Test {
 protected:
  StoreTest();
  ~StoreTest() override;

  // The INI file the host program's settings live in.
  QString storeFile() const;
  // Writes value text into the store file, exactly as given (INI encoding).
  void writeRaw(const QString& section, const QString& name, const QString& iniText);
  void store(const QString& section, const QString& name, const QString& text);
  // A value as QSettings reads it back; invalid when missing.
  QVariant stored(const QString& section, const QString& name) const;
  QStringList storedNames(const QString& section) const;

  QTemporaryDir configHome;
  QString hostName = QStringLiteral("TestHost");
  QSize screen{1024, 768};
  QList<QRect> availableAreas{QRect(0, 0, 1024, 768)};
  int pixelsPerInch = 96;
  QStringList errors;

 private:
  QByteArray previousConfigHome_;
  SettingsPlatform previousPlatform_;
  ErrorSink previousSink_;
};

}  // namespace q9x::test
