#include "platform/qt/ErrorReport.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "platform/qt/HostProgram.h"

namespace q9x {

namespace {
ErrorSink& currentSink()
{
  static ErrorSink sink;
  return sink;
}

void showBox(const QString& text)
{
  if (qobject_cast<QApplication*>(QCoreApplication::instance()))
    QMessageBox::critical(nullptr, hostProgramName(), text);
  else
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}
}  // namespace

void reportError(const QString& text)
{
  try {
    if (currentSink())
      currentSink()(text);
    else
      showBox(text);
  } catch (...) {
    // Reporting must never become a second failure.
  }
}

ErrorSink setErrorSink(ErrorSink sink)
{
  ErrorSink previous = std::move(currentSink());
  currentSink() = std::move(sink);
  return previous;
}

}  // namespace q9x
