#include "hostkit/ErrorBoxWatcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace q9xkit {

ErrorBoxWatcher::ErrorBoxWatcher() { QCoreApplication::instance()->installEventFilter(this); }

ErrorBoxWatcher::~ErrorBoxWatcher()
{
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool ErrorBoxWatcher::eventFilter(QObject* watched, QEvent* event)
{
  if (event->type() == QEvent::Show) {
    if (auto* box = qobject_cast<QMessageBox*>(watched)) {
      texts_ << box->text();
      // Closed from the box's own event loop once it is running.
      QPointer<QMessageBox> shown(box);
      QTimer::singleShot(0, box, [shown] {
        if (shown) shown->done(QMessageBox::Ok);
      });
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace q9xkit
