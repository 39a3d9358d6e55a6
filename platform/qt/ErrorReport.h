#pragma once
// The one way the plug-in tells the user about an error: the standard error
// box, titled with the host program's name. Tests install a sink instead of
// blocking on a modal box.

#include <QString>
#include <functional>

namespace q9x {

using ErrorSink = std::function<void(const QString& text)>;

// Shows the error; never throws.
void reportError(const QString& text);

// Replaces where errors go (an empty sink restores the message box) and
// returns the previous sink.
ErrorSink setErrorSink(ErrorSink sink);

}  // namespace q9x

#include <exception>

namespace q9x {

// Runs an event's work and reports any error it raises, so that the window
// carries on; used by every window event that can fail.
template <class Work>
void reportErrors(Work&& work)
{
  try {
    work();
  } catch (const std::exception& e) {
    reportError(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    reportError(QStringLiteral("Unknown error"));
  }
}

}  // namespace q9x
