// Stored settings from arbitrary text: the input is the whole settings file of
// the host program; a window with both placement options and a stored value
// loads it, is shown, closed (saved) and loaded once more from what it wrote.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <cstddef>
#include <cstdint>

#include "platform/qt/ErrorReport.h"
#include "ui/settings/qt/FormStorage.h"
#include "ui/settings/qt/QtSettingsPlatform.h"

namespace {

struct Harness {
  Harness()
  {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    app = new QApplication(argc, argv);
    q9x::SettingsPlatform platform = q9x::qtSettingsPlatform();
    platform.hostProgramName = [] { return std::string("FuzzHost"); };
    q9x::setSettingsPlatform(platform);
    // Errors are expected answers to damaged files; only crashes count.
    q9x::setErrorSink([](const QString&) {});
    QDir().mkpath(home.filePath(QString::fromLatin1("Software")));
  }
  QString file() const { return home.filePath(QString::fromLatin1("Software/FuzzHost.conf")); }

  int argc = 1;
  char name[16] = "fuzz_settings";
  char* argv[2] = {name, nullptr};
  QTemporaryDir home;
  QApplication* app;
};

void showAndClose(const QString& section, bool fixedSize)
{
  QWidget window;
  if (fixedSize)
    window.setFixedSize(328, 121);
  else
    window.resize(327, 141);
  window.move(100, 50);
  q9x::TFormStorage storage({q9x::TStoredValue{QString::fromLatin1("CurrentBand"), 0}});
  storage.setOptions(q9x::fpState | q9x::fpPosition);
  storage.attach(window, section);
  window.show();
  QCoreApplication::processEvents();
  window.close();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  static Harness harness;
  {
    QFile file(harness.file());
    if (!file.open(QFile::WriteOnly | QFile::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  for (int round = 0; round < 2; ++round) {
    showAndClose(QString::fromLatin1("TfmMainForm"), true);
    showAndClose(QString::fromLatin1("TfmDomList"), false);
  }
  return 0;
}
