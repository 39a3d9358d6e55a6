#pragma once
// Catches the plug-in's error boxes while the host runs without a user: each
// message box that appears is recorded and closed, so the modal box does not
// wait for a click that never comes.

#include <QObject>
#include <QStringList>

namespace q9xhost {

class ErrorBoxWatcher : public QObject {
  Q_OBJECT

 public:
  // Watches every widget of the application from construction to destruction.
  ErrorBoxWatcher();
  ~ErrorBoxWatcher() override;

  const QStringList& errors() const { return errors_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QStringList errors_;
};

}  // namespace q9xhost
