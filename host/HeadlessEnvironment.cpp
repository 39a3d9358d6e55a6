#include "host/HeadlessEnvironment.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

namespace q9xhost {

namespace {
QtMessageHandler previousHandler = nullptr;

// The platform's notes on what an offscreen window cannot do (raise(),
// size hints) and on the runtime folder say nothing about the log.
bool isPlatformRemark(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
  if (type == QtDebugMsg || type == QtInfoMsg) return true;
  if (type != QtWarningMsg) return false;
  const QLatin1String category(context.category ? context.category : "");
  return category.startsWith(QLatin1String("qt.qpa")) ||
         message.startsWith(QLatin1String("This plugin does not support")) ||
         message.startsWith(QLatin1String("QStandardPaths:"));
}

void filterPlatformRemarks(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
  if (isPlatformRemark(type, context, message)) return;
  if (previousHandler) previousHandler(type, context, message);
}
}  // namespace

HeadlessEnvironment::HeadlessEnvironment()
{
  if (dir_.isValid()) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.filePath("config")));
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
      const QString runtime = dir_.filePath("runtime");
      QDir().mkpath(runtime);
      // Qt accepts a runtime folder only when it is the user's alone.
      QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
      qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  previousHandler = qInstallMessageHandler(filterPlatformRemarks);
}

HeadlessEnvironment::~HeadlessEnvironment() { qInstallMessageHandler(previousHandler); }

}  // namespace q9xhost
