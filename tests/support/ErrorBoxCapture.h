#pragma once
// Error boxes the plug-in shows during a test: each is recorded and closed as
// soon as it appears, so that no test waits on a modal box.

#include <QObject>
#include <QStringList>

namespace q9xtest {

// The texts of the boxes shown so far; tests clear it between cases.
QStringList& shownErrors();

// Install on the application while boxes may appear.
class ErrorBoxCloser : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace q9xtest
