#include "plugin/qt/QtApplication.h"

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

#include "platform/qt/ErrorReport.h"
#include "plugin/qt/PlatformCheck.h"

namespace q9x::plugin {

namespace {

// Names the application as the plug-in's, so that a later copy of the
// library (unloaded and loaded again) knows it too.
const char kOwnApplicationName[] = "q9xcup";

void createOwnApplication()
{
  const PlatformChoice choice = choosePlatform();
  if (choice.platform.empty())
    throw std::runtime_error("Q9X-CUP-DIGI cannot open its windows: " + choice.refusal);

  // Kept for the life of the process: a host without Qt has no event loop of
  // its own to hand back to, and destroying it at unload would take down
  // windows the host may still be showing. Qt keeps the arguments as given,
  // so they live on the heap with it rather than in this library, which may
  // be unloaded. The platform is the one found to open. All three texts sit
  // in one block that the first argument, which Qt never takes out, holds.
  const std::string texts = std::string(kOwnApplicationName) + '\0' + "-platform" + '\0' + choice.platform + '\0';
  char* block = new char[texts.size()];
  std::memcpy(block, texts.data(), texts.size());
  auto* argc = new int(3);
  auto** argv = new char*[4]{block, block + sizeof kOwnApplicationName,
                             block + sizeof kOwnApplicationName + sizeof "-platform", nullptr};
  auto* app = new QApplication(*argc, argv);
  app->setObjectName(QString::fromLatin1(kOwnApplicationName));
}

// A box on a platform nobody sees would wait for ever: errors then go to
// standard error. Once per copy of the library, as each has its own sink.
void reportHeadlessErrorsOnStandardError()
{
  static bool done = false;
  if (done || !ownApplication()) return;
  const QString platform = QGuiApplication::platformName();
  if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")) return;
  done = true;
  setErrorSink([](const QString& text) { std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData()); });
}

}  // namespace

void ensureWidgetApplication()
{
  if (QCoreApplication* app = QCoreApplication::instance()) {
    if (!qobject_cast<QApplication*>(app))
      throw std::runtime_error("The host's Qt application cannot show windows");
  } else {
    createOwnApplication();
  }
  reportHeadlessErrorsOnStandardError();
}

bool ownApplication()
{
  const QCoreApplication* app = QCoreApplication::instance();
  return app && app->objectName() == QLatin1String(kOwnApplicationName);
}

}  // namespace q9x::plugin
