#include "tests/support/ErrorBoxCapture.h"

#include <QEvent>
#include <QMessageBox>
#include <QTimer>

namespace q9xtest {

QStringList& shownErrors()
{
  static QStringList errors;
  return errors;
}

bool ErrorBoxCloser::eventFilter(QObject* watched, QEvent* event)
{
  if (event->type() == QEvent::Show)
    if (auto* box = qobject_cast<QMessageBox*>(watched)) {
      shownErrors() << box->text();
      QTimer::singleShot(0, box, &QMessageBox::accept);
    }
  return false;
}

}  // namespace q9xtest
