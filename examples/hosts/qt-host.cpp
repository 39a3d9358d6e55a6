// qt-host: the smallest complete Qt host of the Q9X-CUP-DIGI plug-in, the
// template for a logger: its own QApplication, an SQLite log the plug-in
// reads through the default Qt SQL connection, and the six calls in order.
//
//   qt-host PATH/libq9xcup.so [LOG.sqlite]
//
// Needs only plugin/q9xcup.h, Qt Widgets and Qt SQL.

#include <QApplication>
#include <QLibrary>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

#include "plugin/q9xcup.h"

namespace {

struct Plugin {
  q9x_get_info_fn GetInfo;
  q9x_run_fn Run;
  q9x_get_score_fn GetScore;
  q9x_add_qso_fn AddQSO;
  q9x_grab_number_fn GrabNumber;
  q9x_release_fn Release;
};

template <class Function>
bool resolve(QLibrary& library, const char* name, Function& into)
{
  into = reinterpret_cast<Function>(library.resolve(name));
  if (!into) std::fprintf(stderr, "qt-host: the plug-in does not export %s\n", name);
  return into != nullptr;
}

void setText(TShortString field, const QString& text)
{
  const QByteArray bytes = text.toLocal8Bit();
  q9x_write_short(field, bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString text(const unsigned char* field)
{
  const char* bytes = nullptr;
  const size_t length = q9x_read_short(field, &bytes);
  return QString::fromLocal8Bit(bytes, static_cast<qsizetype>(length));
}

struct Contact {
  const char *call, *band, *mode, *exchange, *mainPrefix, *dxccPrefix;
};

// The host writes every contact into its log table; the plug-in reads the
// table again on Recalc and on the next _Run.
bool writeToLog(const Contact& c)
{
  QSqlQuery insert;
  insert.prepare("INSERT INTO Log (CallSign, DigiBand, QSOMode, Continent, QSOReportRecived, "
                 "MainPrefix, DXCCPrefix) VALUES (?, ?, ?, 'EU', ?, ?, ?)");
  for (const char* value : {c.call, c.band, c.mode, c.exchange, c.mainPrefix, c.dxccPrefix})
    insert.addBindValue(QString::fromLatin1(value));
  if (insert.exec()) return true;
  std::fprintf(stderr, "qt-host: %s\n", qPrintable(insert.lastError().text()));
  return false;
}

}  // namespace

int main(int argc, char** argv)
{
  // The plug-in uses the host's application and event loop; it must exist first.
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: qt-host PATH/libq9xcup.so [LOG.sqlite]\n");
    return 2;
  }
  QLibrary library(QString::fromLocal8Bit(argv[1]));
  Plugin plugin{};
  if (!library.load()) {
    std::fprintf(stderr, "qt-host: %s\n", qPrintable(library.errorString()));
    return 1;
  }
  if (!resolve(library, "_GetInfo", plugin.GetInfo) || !resolve(library, "_Run", plugin.Run) ||
      !resolve(library, "_GetScore", plugin.GetScore) || !resolve(library, "_AddQSO", plugin.AddQSO) ||
      !resolve(library, "_GrabNumber", plugin.GrabNumber) || !resolve(library, "_Release", plugin.Release))
    return 1;

  // The log: the default connection is Connection 0 in the record.
  QTemporaryDir scratch;
  QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE");
  db.setDatabaseName(argc > 2 ? QString::fromLocal8Bit(argv[2]) : scratch.filePath("log.sqlite"));
  QSqlQuery create;
  if (!db.open() || !create.exec("CREATE TABLE IF NOT EXISTS Log (CallSign TEXT, DigiBand TEXT, "
                                 "QSOMode TEXT, Continent TEXT, QSOReportRecived TEXT, "
                                 "MainPrefix TEXT, DXCCPrefix TEXT)")) {
    std::fprintf(stderr, "qt-host: cannot open the log: %s\n", qPrintable(db.lastError().text()));
    return 1;
  }

  TPluginInfo info{};
  plugin.GetInfo(&info);
  std::printf("Plug-in: %s\n", qPrintable(text(info.PluginName)));

  static TPluginRecord rec;  // 5916 bytes, zero-filled
  rec.Connection = 0;
  setText(rec.TableName, "Log");
  setText(rec.CaptionText, "qt-host");
  setText(rec.MyMainPrefix, "UA3A");
  if (plugin.Run(0, &rec) == 0) {
    std::fprintf(stderr, "qt-host: the plug-in did not open its window\n");
    return 1;
  }

  const Contact contacts[] = {{"R3AA", "7", "RTTY", "599 AB", "UA3A", "UA3A"},
                              {"RA4XY", "3.5", "RTTY", "599 SA22", "UA4", "UA"},
                              {"DL1ABC", "14", "FT4", "599 001", "DL", "DL"},
                              {"R3AA", "7", "RTTY", "599 AB", "UA3A", "UA3A"}};
  int total = 0;
  for (const Contact& c : contacts) {
    setText(rec.CallSign, c.call);
    setText(rec.DigiBand, c.band);
    setText(rec.QSOMode, c.mode);
    setText(rec.MainPrefix, c.mainPrefix);
    setText(rec.DXCCPrefix, c.dxccPrefix);
    unsigned char code[256] = {};
    plugin.GrabNumber(&rec, code);  // what the station should send, before it is received
    setText(rec.QSOReportRecived, c.exchange);
    const int32_t worth = plugin.GetScore(&rec);
    if (!writeToLog(c)) return 1;
    const int32_t counted = plugin.AddQSO(&rec);
    std::printf("%-7s %-4s %-5s proposed \"%s\", worth %d, counted %d\n", c.call, c.band, c.mode,
                qPrintable(text(code)), worth, counted);
    total += counted > 0 ? counted : 0;
    QCoreApplication::processEvents();  // a logger's own event loop runs between contacts
  }
  std::printf("Points counted: %d\n", total);

  // The windows are destroyed by deferred deletion; they save their placement then.
  plugin.Release();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return 0;
}
