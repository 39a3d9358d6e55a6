// The library as a Qt host uses it over a long session: many runs and
// releases, and releases that come from the host's own event handlers.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "tests/lifecycle/LifecycleHost.h"

namespace {

using namespace q9xtest;

void clickIfThere(QAbstractButton* button)
{
  if (button) button->click();
}

// The heap's growth per run and release over a thousand cycles, after fifty
// in which Qt's caches (fonts, styles, settings) fill up. inBetween(i) is what
// the host and the user do in the i-th cycle while the plug-in is open.
double heapBytesPerCycle(const std::function<void(int)>& inBetween)
{
  const TPluginRecord rec = hostRecord();
  auto cycle = [&](int i) {
    EXPECT_NE(plugin().Run(0, &rec), 0);
    inBetween(i);
    plugin().Release();
    settle();
  };
  for (int i = 0; i < 50; ++i) cycle(i);
  const std::size_t before = heapInUse();
  constexpr int kCycles = 1000;
  for (int i = 0; i < kCycles; ++i) cycle(i);
  return (static_cast<double>(heapInUse()) - static_cast<double>(before)) / kCycles;
}

TEST(PluginCycles, RunAndReleaseAThousandTimesWithinABoundedHeap)
{
  EmptyLog log;
  const double perCycle = heapBytesPerCycle([](int i) {
    if (i % 4 != 0) return;
    clickIfThere(childOf<QAbstractButton>("fmMainForm", "btnOBL1"));
    clickIfThere(childOf<QAbstractButton>("fmDomList", "RzBitBtn3"));
    // Every other time the area window is closed by the user, else it goes
    // with the statistics window.
    if (i % 8 == 0 && topLevel("fmDomList")) topLevel("fmDomList")->close();
  });
  RecordProperty("HeapBytesPerCycle", std::to_string(perCycle));
  EXPECT_LT(perCycle, 512.0) << "heap grows by " << perCycle << " bytes per run and release";
  EXPECT_EQ(topLevel("fmMainForm"), nullptr);
}

// Every window painted before it goes, as on a logger's screen: what painting
// leaves in Qt's process-wide caches must not grow with the windows made.
TEST(PluginCycles, PaintedWindowsRunAndReleaseAThousandTimesWithinABoundedHeap)
{
  EmptyLog log;
  const double perCycle = heapBytesPerCycle([](int i) {
    if (i % 3 == 0) clickIfThere(childOf<QAbstractButton>("fmMainForm", "btnOBL1"));
    for (const char* name : {"fmMainForm", "fmDomList"})
      if (QWidget* window = topLevel(name)) (void)window->grab();
  });
  RecordProperty("HeapBytesPerPaintedCycle", std::to_string(perCycle));
  EXPECT_LT(perCycle, 1024.0) << "heap grows by " << perCycle << " bytes per painted run and release";
}

TEST(PluginCycles, WindowsReleasedFromAHostEventServeNothingAndGoTogether)
{
  EmptyLog log;
  const TPluginRecord rec = hostRecord();
  ASSERT_NE(plugin().Run(0, &rec), 0);
  clickIfThere(childOf<QAbstractButton>("fmMainForm", "btnOBL1"));
  QPointer<QWidget> main = topLevel("fmMainForm");
  QPointer<QWidget> area = topLevel("fmDomList");
  ASSERT_TRUE(main && area);
  QAbstractButton* band = area->findChild<QAbstractButton*>(QStringLiteral("RzBitBtn2"));

  // The host releases the plug-in from one of its timers.
  QTimer::singleShot(0, [] { plugin().Release(); });
  QCoreApplication::processEvents();

  clickIfThere(main->findChild<QAbstractButton*>(QStringLiteral("BitBtn1")));
  ASSERT_TRUE(main) << "destroyed under its own Recalc";
  clickIfThere(main->findChild<QAbstractButton*>(QStringLiteral("btnOBL1")));
  clickIfThere(band);
  ASSERT_TRUE(main && area);
  EXPECT_FALSE(band->isChecked()) << "a released area window changed its band";
  EXPECT_EQ(main->findChildren<QWidget*>(QStringLiteral("fmDomList")).size(), 1) << "a second area window";
  EXPECT_TRUE(area->isVisible()) << "the area window left before its owner";

  settle();
  EXPECT_FALSE(main);
  EXPECT_FALSE(area);
}

}  // namespace
