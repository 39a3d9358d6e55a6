// The stored band through the library as a host loads it: chosen in the area
// window, kept over _Release and _Run, under this program's own name.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWindow>
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

// On a desktop the window manager frames a window after it is shown, and
// may place it more than once: events are let through until the frame has
// stood still for a moment.
void settleFrame(const QWidget* window)
{
  QRect last;
  int still = 0;
  QElapsedTimer timer;
  timer.start();
  while (still < 30 && timer.elapsed() < 5000) {
    settle();
    QThread::msleep(10);
    const QWindow* native = window->windowHandle();
    const bool framed = native && !native->frameMargins().isNull();
    still = framed && window->frameGeometry() == last ? still + 1 : 0;
    last = window->frameGeometry();
  }
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
  settleFrame(main);
  EXPECT_EQ(main->frameGeometry().topLeft(), QPoint(1009, 201)) << "the designed place is the frame's";
  child<QPushButton>(main, "btnOBL1")->click();
  settle();
  QWidget* area = topLevel("fmDomList");
  ASSERT_NE(area, nullptr);
  EXPECT_EQ(area->pos(), QPoint(1017, 288));
  settleFrame(area);
  EXPECT_EQ(area->frameGeometry().topLeft(), QPoint(1017, 288));
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


