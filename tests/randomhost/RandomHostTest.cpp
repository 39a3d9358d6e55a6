// A host that calls the six exports in random order with realistic and with
// random records, logs what it counts as a host does, presses the windows'
// buttons, and checks every answer and the shown figures against
// ContestModel. The seed is printed with any failure:
//   Q9X_RANDOMHOST_SEED=N Q9X_RANDOMHOST_STEPS=N build/bin/randomhost_tests

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "hostkit/HostRecord.h"
#include "plugin/q9xcup.h"
#include "tests/randomhost/ContestModel.h"
#include "tests/randomhost/RandomContacts.h"
#include "tests/support/ErrorBoxCapture.h"
#include "tests/support/LoadedPlugin.h"
#include "tests/support/LogTable.h"

namespace q9xtest {
namespace {

unsigned long long setting(const char* name, unsigned long long fallback)
{
  const QByteArray value = qgetenv(name);
  return value.isEmpty() ? fallback : value.toULongLong();
}

std::vector<std::string> shippedAreaTable()
{
  std::ifstream file(QCoreApplication::applicationDirPath().toStdString() + "/Plugins/Q9XCup.dom",
                     std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

class RandomHost : private RandomContacts {
 public:
  explicit RandomHost(unsigned long long seed) : RandomContacts(seed), table_(shippedAreaTable())
  {
    createLogTable(QSqlDatabase::database(), "Log");
    // In index order, rows of one callsign come in the order they were logged.
    execute(QSqlDatabase::database(), "create index LogCall on Log (CallSign)");
  }

  void step(unsigned long long n)
  {
    const int roll = pick(100);
    if (roll < 30) addQso();
    else if (roll < 52) getScore();
    else if (roll < 67) grabNumber();
    else if (roll < 72) run();
    else if (roll < 75) release();
    else if (roll < 78) recalc();
    else if (roll < 86) areaWindow();
    else if (roll < 92) QCoreApplication::processEvents();
    else if (roll < 95) myMainPrefix_ = pickOf({"UA3A", "R3", "ua3a", "UA3A "});
    else logWithoutTelling();
    if (n % 97 == 0) checkFigures();
  }

  void finish()
  {
    plugin().Release();
    settle();
    EXPECT_EQ(topLevel("fmMainForm"), nullptr);
    EXPECT_TRUE(shownErrors().isEmpty()) << shownErrors().join('\n').toStdString();
  }

 private:
  TPluginRecord record(const ModelContact& c)
  {
    // The host's own spans hold anything.
    const TPluginRecord r =
        q9xkit::makeRecord({0, "Log", "Random host", myMainPrefix_},
                           {c.call, c.band, c.mode, "eu", c.report, c.mainPrefix, c.dxcc}, 0xA5);
    lastMyMainPrefix_ = myMainPrefix_;
    return r;
  }

  void logRow(const ModelContact& c)
  {
    const auto text = [](const std::string& bytes) { return QString::fromStdString(bytes); };
    addLogRow(QSqlDatabase::database(), "Log",
              LogEntry{text(c.call), text(c.band), text(c.mode), text(c.report), text(c.mainPrefix),
                       text(c.dxcc), "EU"});
    log_.push_back(c);
  }

  void addQso()
  {
    bool printable = true;
    const ModelContact c = contact(printable);
    const TPluginRecord r = record(c);
    const int32_t points = plugin().AddQSO(&r);
    int32_t expected = 0;
    if (open_) expected = model_.score(c, myMainPrefix_, true);
    ASSERT_EQ(points, expected) << "_AddQSO " << c.call << " " << c.band << " " << c.mode;
    // The host logs what the operator entered; it writes only plain text.
    if (printable) logRow(c);
    if (open_) checkFigures();
  }

  void getScore()
  {
    bool printable = true;
    const ModelContact c = contact(printable);
    const TPluginRecord r = record(c);
    ASSERT_EQ(plugin().GetScore(&r), open_ ? model_.score(c, myMainPrefix_, false) : 0)
        << "_GetScore " << c.call << " " << c.band << " " << c.mode;
  }

  void grabNumber()
  {
    bool printable = true;
    const ModelContact c = contact(printable);
    const TPluginRecord r = record(c);
    unsigned char result[256];
    std::memset(result, 0xEE, sizeof result);
    plugin().GrabNumber(&r, result);
    const std::string answer(reinterpret_cast<const char*>(result + 1), result[0]);
    ASSERT_EQ(answer, open_ ? proposedArea(table_, c.dxcc, c.mainPrefix) : "")
        << "_GrabNumber " << c.mainPrefix << " " << c.dxcc;
  }

  void run()
  {
    bool printable = true;
    const std::string current = lastMyMainPrefix_;
    const TPluginRecord r = record(contact(printable));
    handle_ = plugin().Run(0, &r);
    ASSERT_NE(handle_, 0);
    // An open window keeps its record: _Run copies the host's only into a new one.
    if (open_) lastMyMainPrefix_ = current;
    if (!open_) {
      open_ = true;
      recount();
    }
    checkFigures();
  }

  // The statistics window _Run answered with; a released one may still wait
  // for its deferred destruction beside it.
  QWidget* window() const
  {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QLatin1String("fmMainForm") && static_cast<intptr_t>(w->winId()) == handle_)
        return w;
    return nullptr;
  }

  void release()
  {
    plugin().Release();
    open_ = false;
    if (pick(2)) settle();
  }

  void recalc()
  {
    QWidget* window = this->window();
    if (!open_ || !window || !window->isVisible()) return;
    window->findChild<QAbstractButton*>("BitBtn1")->click();
    recount();
    checkFigures();
  }

  void areaWindow()
  {
    QWidget* main = window();
    if (!open_ || !main) return;
    QWidget* area = nullptr;
    for (QWidget* w : main->findChildren<QWidget*>("fmDomList"))
      if (w->isVisible()) area = w;
    if (!area) {
      main->findChild<QAbstractButton*>("btnOBL1")->click();
      return;
    }
    if (pick(4) == 0) {
      area->close();
      return;
    }
    area->findChild<QAbstractButton*>(QStringLiteral("RzBitBtn%1").arg(1 + pick(9)))->click();
  }

  // A row the host logs without a call (an import, a second operator).
  void logWithoutTelling()
  {
    bool printable = true;
    ModelContact c = contact(printable);
    if (printable) logRow(c);
  }

  void recount()
  {
    std::vector<ModelContact> rows = log_;
    std::stable_sort(rows.begin(), rows.end(), [](const ModelContact& a, const ModelContact& b) {
      return std::lexicographical_compare(a.call.begin(), a.call.end(), b.call.begin(), b.call.end(),
                                          [](char x, char y) { return static_cast<unsigned char>(x) <
                                                                      static_cast<unsigned char>(y); });
    });
    // The scan counts with the operator's prefix the host sent last.
    model_.recount(rows, lastMyMainPrefix_);
  }

  void checkFigures()
  {
    if (!open_) return;
    QWidget* window = this->window();
    ASSERT_NE(window, nullptr);
    auto* grid = window->findChild<QTableWidget*>("StringGrid1");
    auto cell = [grid](int row, int column) {
      QTableWidgetItem* item = grid->item(row, column);
      return item ? item->text().toStdString() : std::string();
    };
    auto expectRow = [&](int row, const ModelBand* b) {
      for (int column = 1; column <= 4; ++column) {
        const int32_t figures[] = {0, b ? b->qsos : 0, b ? b->points : 0, b ? b->area : 0, b ? b->rda : 0};
        EXPECT_EQ(cell(row, column), b ? std::to_string(figures[column]) : std::string())
            << "grid row " << row << " column " << column;
      }
    };
    expectRow(1, model_.band("3.5"));
    expectRow(2, model_.band("7"));
    const ModelBand t = model_.totals();
    expectRow(3, &t);
    EXPECT_EQ(window->findChild<QLabel*>("Label1")->text().toStdString(), model_.scoreLine());
  }

  std::vector<std::string> table_;
  ContestModel model_;
  std::vector<ModelContact> log_;
  bool open_ = false;
  intptr_t handle_ = 0;
  std::string myMainPrefix_ = "R3";
  std::string lastMyMainPrefix_ = "R3";
};

TEST(RandomHost, EveryAnswerFollowsTheRules)
{
  const unsigned long long seed = setting("Q9X_RANDOMHOST_SEED", std::random_device{}());
  const unsigned long long steps = setting("Q9X_RANDOMHOST_STEPS", 3000);
  SCOPED_TRACE("Q9X_RANDOMHOST_SEED=" + std::to_string(seed));
  std::printf("random host: seed %llu, %llu steps\n", seed, steps);

  QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE");
  db.setDatabaseName(":memory:");
  ASSERT_TRUE(db.open());
  {
    RandomHost host(seed);
    for (unsigned long long n = 1; n <= steps && !HasFatalFailure() && !HasNonfatalFailure(); ++n) host.step(n);
    host.finish();
  }
  db.close();
}

}  // namespace
}  // namespace q9xtest
