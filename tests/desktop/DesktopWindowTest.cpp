// The two windows on a desktop: where they open again after a restart, their
// maximised and minimised states, windows put back within reach, the close
// box and the pressed band button. On an X server the window manager adds
// frames of its own and reports them late; offscreen the frames are fixed.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QWindow>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

#include "../settings/SettingsTestSupport.h"
#include "../settings/StoredWindow.h"
#include "plugin/ShortString.h"
#include "ui/MainForm/MainForm.h"
#include "ui/domlist/domlist.h"

namespace q9x::test {
namespace {

const QString kMain = QStringLiteral("TfmMainForm");
const QString kArea = QStringLiteral("TfmDomList");

bool onX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

// Lets events run until the condition holds, five seconds at most.
bool waitUntil(const std::function<bool()>& done)
{
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > 5000) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

// The window manager answers in several steps (map, frame, position); these
// are let through until the window's frame has stood still for a moment.
void awaitSettled(QWidget& w)
{
  waitUntil([&] {
    const QWindow* native = w.windowHandle();
    return native && (native->isExposed() || w.isMinimized()) &&
           (!onX11() || !native->frameMargins().isNull() || w.isMinimized());
  });
  QRect last;
  int still = 0;
  waitUntil([&] {
    QCoreApplication::sendPostedEvents();
    const QRect now = w.frameGeometry();
    still = now == last ? still + 1 : 0;
    last = now;
    QElapsedTimer pause;
    pause.start();
    while (pause.elapsed() < 20) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return still >= 5;
  });
}

QString edges(const QRect& r)
{
  return QStringLiteral("%1,%2,%3,%4").arg(r.left()).arg(r.top()).arg(r.left() + r.width()).arg(r.top() + r.height());
}

void ensureEmptyLog()
{
  if (QSqlDatabase::contains()) return;
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
  db.setDatabaseName(QStringLiteral(":memory:"));
  db.open();
  QSqlQuery(db).exec(QStringLiteral("create table Log (CallSign text, DigiBand text, QSOMode text, "
                                    "QSOReportRecived text, DXCCPrefix text, MainPrefix text, Continent text)"));
}

class Desktop : public StoreTest {
 protected:
  Desktop()
  {
    ensureEmptyLog();
    writeShort(record_.TableName, "Log");
    writeShort(record_.CaptionText, "Desktop");
    writeShort(record_.MyMainPrefix, "UA3A");
    screen = QGuiApplication::primaryScreen()->size();
    pixelsPerInch = qtSettingsPlatform().pixelsPerInch();
  }
  ~Desktop() override { releaseMain(); }

  TfmMainForm& openMain()
  {
    main_ = new TfmMainForm(record_, current_);
    main_->show();
    awaitSettled(*main_);
    return *main_;
  }
  TfmDomList& openArea()
  {
    main_->findChild<QPushButton*>(QStringLiteral("btnOBL1"))->click();
    TfmDomList* area = main_->areaWindow();
    if (area) awaitSettled(*area);
    return *area;
  }
  // As the host's release does: the windows are saved when they go.
  void releaseMain()
  {
    if (!main_) return;
    main_->release();
    waitUntil([this] {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      return main_.isNull();
    });
  }
  QRect available() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

  TPluginRecord record_{};
  TPluginRecord current_{};
  QPointer<TfmMainForm> main_;
};

TEST_F(Desktop, FiveRestartsLeaveBothWindowsWhereTheyWere)
{
  // Places within the screen, so that only the round trip can move them.
  store(kMain, "NormPos", "601,120,931,262");
  store(kArea, "NormPos", "300,400,629,566");
  QRect firstMain, firstArea;
  for (int restart = 0; restart <= 5; ++restart) {
    TfmMainForm& main = openMain();
    TfmDomList& area = openArea();
    const QRect mainFrame = main.frameGeometry();
    const QRect areaFrame = area.frameGeometry();
    std::printf("restart %d: statistics window %s, area window %s\n", restart, qPrintable(edges(mainFrame)),
                qPrintable(edges(areaFrame)));
    releaseMain();
    if (restart == 0) {
      firstMain = mainFrame;
      firstArea = areaFrame;
      EXPECT_EQ(mainFrame.topLeft(), QPoint(601, 120));
      EXPECT_EQ(areaFrame.topLeft(), QPoint(300, 400));
      continue;
    }
    EXPECT_EQ(mainFrame.topLeft(), firstMain.topLeft()) << "restart " << restart;
    EXPECT_EQ(areaFrame, firstArea) << "restart " << restart;
  }
  EXPECT_EQ(stored(kMain, "NormPos"), edges(firstMain));
  EXPECT_EQ(stored(kArea, "NormPos"), edges(firstArea));
  EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

}  // namespace
}  // namespace q9x::test
