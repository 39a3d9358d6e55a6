#include "bench/AreaWindowBenchmark.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/HostRecords.h"
#include "bench/Median.h"
#include "bench/StatisticsWindow.h"
#include "hostkit/PluginLibrary.h"

namespace q9x::bench {

using q9xkit::PluginLibrary;

namespace {
const QString kChildFlag = QStringLiteral("--area-window-child");
constexpr std::size_t kOpenings = 3;

// Lines of the usual shape, PPPP=CC. With few codes the codes repeat as in a
// real file; otherwise every line has a code of its own.
void writeAreaFile(const QString& path, long lines, bool distinct)
{
  std::string text;
  text.reserve(static_cast<std::size_t>(lines) * 9);
  const char* const alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  unsigned long state = 12345;
  for (long i = 0; i < lines; ++i) {
    state = state * 6364136223846793005UL + 1442695040888963407UL;
    const unsigned long r = state >> 20;
    const unsigned long prefix = static_cast<unsigned long>(i);
    for (unsigned long k = 0, p = prefix; k < 4; ++k, p /= 36) text += alphabet[p % 36];
    text += '=';
    if (distinct)
      for (unsigned long k = 0, p = prefix; k < 4; ++k, p /= 36) text += alphabet[(p + r) % 36];
    else
      text += {static_cast<char>('A' + r % 26), static_cast<char>('A' + (r / 26) % 26)};
    text += "\r\n";
  }
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), qint64(text.size())) != qint64(text.size()))
    throw std::runtime_error("cannot write " + path.toStdString());
}

QWidget* visibleWindow(const char* objectName)
{
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String(objectName) && w->isVisible()) return w;
  return nullptr;
}

// Presses "Q9X Area" and waits until the window is on screen with its list
// laid out and painted; returns the seconds that took and the items listed.
std::pair<double, int> openAreaWindow()
{
  QWidget* statistics = visibleWindow("fmMainForm");
  auto* button = statistics ? statistics->findChild<QPushButton*>(QStringLiteral("btnOBL1")) : nullptr;
  if (!button) throw std::runtime_error("No area button btnOBL1");
  const double start = threadNanos();
  button->click();
  QCoreApplication::processEvents();
  QWidget* window = visibleWindow("fmDomList");
  if (!window) throw std::runtime_error("The area window did not open");
  window->grab();
  const double seconds = (threadNanos() - start) / 1e9;
  auto* list = window->findChild<QListWidget*>(QStringLiteral("LV1"));
  const int items = list ? list->count() : -1;
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return {seconds, items};
}

// Two capital letters for a number, as an area code.
std::string areaCode(long n)
{
  return {static_cast<char>('A' + n % 26), static_cast<char>('A' + (n / 26) % 26)};
}

TPluginRecord areaContact(const std::string& callSign, const std::string& band, long n)
{
  const GeneratedContact contact{callSign, band, "RTTY", "599 " + areaCode(n), "UA3A", "UA3A", "EU"};
  return hostRecord(Station{"Log"}, &contact);
}

// The area window open, with `worked` area codes counted on as many band
// texts that no band button has: the microseconds of one 7 MHz contact and
// the event pass that redraws the whole list for it, median of batches.
double markingMicros(PluginLibrary& plugin, long worked)
{
  QWidget* statistics = visibleWindow("fmMainForm");
  statistics->findChild<QPushButton*>(QStringLiteral("btnOBL1"))->click();
  QCoreApplication::processEvents();
  if (!visibleWindow("fmDomList")) throw std::runtime_error("The area window did not open");
  for (long i = 0; i < worked; ++i) {
    // Band texts ending in a letter: no band's key is a part of theirs.
    const TPluginRecord record = areaContact("UA3W" + std::to_string(i), "F" + std::to_string(i) + "M", i);
    if (plugin.AddQSO(&record) < 0) throw std::runtime_error("_AddQSO refused a new contact");
  }
  QCoreApplication::processEvents();

  constexpr std::size_t kBatches = 11, kBatchSize = 5;
  std::vector<TPluginRecord> timed;
  for (std::size_t i = 0; i < kBatches * kBatchSize; ++i)
    timed.push_back(areaContact("UA3T" + std::to_string(i), "7", static_cast<long>(i)));
  bool ok = true;
  const double nanos = medianNanosPerCall(kBatches, kBatchSize, [&](std::size_t i) {
    ok &= plugin.AddQSO(&timed[i]) >= 0;
    QCoreApplication::processEvents();
  });
  if (!ok) throw std::runtime_error("_AddQSO refused a new contact");
  return nanos / 1000;
}

// The seconds to open the area window, and the microseconds of a contact
// with it open (markingMicros).
std::pair<double, double> childMeasure(const QString& pluginPath, long lines, long worked)
{
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
  db.setDatabaseName(QStringLiteral(":memory:"));
  if (!db.open()) throw std::runtime_error("no in-memory database");
  QSqlQuery(db).exec(QStringLiteral(
      "create table Log (CallSign text, DigiBand text, QSOMode text, Continent text, "
      "QSOReportRecived text, MainPrefix text, DXCCPrefix text)"));

  PluginLibrary plugin(pluginPath);
  ErrorBoxCatcher errors;
  const TPluginRecord opening = hostRecord(Station{"Log"});
  if (plugin.Run(0, &opening) == 0) throw std::runtime_error("_Run opened no window");
  std::vector<double> seconds;
  for (std::size_t k = 0; k < kOpenings; ++k) {
    auto [time, items] = openAreaWindow();
    if (items != lines) throw std::runtime_error("the area window lists " + std::to_string(items) + " codes");
    seconds.push_back(time);
  }
  const double micros = markingMicros(plugin, worked);
  plugin.Release();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  if (!errors.texts().isEmpty()) throw std::runtime_error(errors.texts().join('\n').toStdString());
  return {median(seconds), micros};
}
}  // namespace

bool runAreaWindowChild(const QStringList& args, int& exitCode)
{
  const qsizetype at = args.indexOf(kChildFlag);
  if (at < 0 || at + 3 >= args.size()) return false;
  try {
    const auto [seconds, micros] = childMeasure(args[at + 3], args[at + 1].toLong(), args[at + 2].toLong());
    std::printf("%.6f %.1f\n", seconds, micros);
    exitCode = 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "q9x-bench area window: %s\n", e.what());
    exitCode = 1;
  }
  return true;
}

void printAreaWindowFigures(std::FILE* out, const QString& pluginPath, long lines, long worked)
{
  QTemporaryDir folder;
  if (!folder.isValid() || !QDir(folder.path()).mkdir(QStringLiteral("Plugins")))
    throw std::runtime_error("no temporary folder");
  const QString program = folder.filePath(QStringLiteral("q9x-bench"));
  if (!QFile::copy(QCoreApplication::applicationFilePath(), program))
    throw std::runtime_error("cannot copy the benchmark program");

  std::fprintf(out, "\nOpening the area window (\"Q9X Area\" pressed until the list is painted), "
                    "median of %zu, seconds of processor time; then, with it open and %ld area codes "
                    "worked on as many band texts, a 7 MHz `_AddQSO` and the event pass that redraws "
                    "the list, median µs\n\n", kOpenings, worked);
  std::fprintf(out, "| area file lines | codes | seconds to open | `_AddQSO` + redraw µs |\n|---:|---|---:|---:|\n");
  for (bool distinct : {false, true}) {
    writeAreaFile(folder.filePath(QStringLiteral("Plugins/Q9XCup.dom")), lines, distinct);
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program, {kChildFlag, QString::number(lines), QString::number(worked),
                          QFileInfo(pluginPath).absoluteFilePath()});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
      throw std::runtime_error("the area window measurement failed");
    const QStringList figures = QString::fromLatin1(child.readAllStandardOutput()).split(' ');
    if (figures.size() != 2) throw std::runtime_error("the area window measurement gave no figures");
    std::fprintf(out, "| %ld | %s | %.3f | %.1f |\n", lines,
                 distinct ? "all distinct, 4 characters" : "676, 2 letters", figures[0].toDouble(),
                 figures[1].trimmed().toDouble());
  }
}

}  // namespace q9x::bench
