// The stored band through the library as a host loads it: chosen in the area
// window, kept over _Release and _Run, under this program's own name.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <stdexcept>

#include "plugin/q9xcup.h"
#include "tests/support/LoadedPlugin.h"
#include "tests/support/LogTable.h"

namespace {

using q9xtest::plugin;
using q9xtest::settle;
using q9xtest::topLevel;

template <class Child>
Child* child(QWidget* parent, const QString& name)
{
  return parent ? parent->findChild<Child*>(name) : nullptr;
}

QVariant stored(const QString& key)
{
  const QString file = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Software/" +
                       QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + ".conf";
  return QSettings(file, QSettings::IniFormat).value(key);
}

TEST(PluginSettings, ChosenBandSurvivesReleaseAndRun)
{
  const q9xtest::EmptyLog log;
  TPluginRecord rec{};
  q9x::writeShort(rec.TableName, "Log");

  ASSERT_NE(plugin().Run(0, &rec), 0);
  QWidget* main = topLevel("fmMainForm");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->pos(), QPoint(1009, 201)) << "first run: the designed place";
  child<QPushButton>(main, "btnOBL1")->click();
  settle();
  QWidget* area = topLevel("fmDomList");
  ASSERT_NE(area, nullptr);
  EXPECT_EQ(area->pos(), QPoint(1017, 288));
  child<QAbstractButton>(area, "RzBitBtn5")->click();
  plugin().Release();
  settle();
  EXPECT_EQ(topLevel("fmMainForm"), nullptr);
  EXPECT_EQ(stored("TfmMainForm/CurrentBand"), "5");
  EXPECT_EQ(stored("TfmMainForm/Visible"), "1");
  EXPECT_EQ(stored("TfmDomList/Visible"), "1");

  ASSERT_NE(plugin().Run(0, &rec), 0);
  child<QPushButton>(topLevel("fmMainForm"), "btnOBL1")->click();
  settle();
  QAbstractButton* band14 = child<QAbstractButton>(topLevel("fmDomList"), "RzBitBtn5");
  ASSERT_NE(band14, nullptr);
  EXPECT_TRUE(band14->isChecked());
  plugin().Release();
  settle();
}

}  // namespace


