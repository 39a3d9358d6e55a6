#include "plugin/QtApplication.h"

#include <QApplication>
#include <stdexcept>

namespace q9x::plugin {

void ensureWidgetApplication()
{
  if (QCoreApplication* app = QCoreApplication::instance()) {
    if (!qobject_cast<QApplication*>(app))
      throw std::runtime_error("The host's Qt application cannot show windows");
    return;
  }
  // Kept for the life of the process: a host without Qt has no event loop of
  // its own to hand back to, and destroying it at unload would take down
  // windows the host may still be showing.
  static int argc = 1;
  static char name[] = "q9xcup";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

}  // namespace q9x::plugin
