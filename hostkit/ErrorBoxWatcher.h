#pragma once
// The plug-in's error boxes while a host runs without a user: each message
// box that is shown is recorded and closed, so that the modal box does not
// wait for a click that never comes.

#include <QObject>
#include <QStringList>

namespace q9xkit {

class ErrorBoxWatcher : public QObject {
  Q_OBJECT

 public:
  // Watches every widget of the application from construction to
  // destruction. Needs the application object; several may watch at once.
  ErrorBoxWatcher();
  ~ErrorBoxWatcher() override;

  // The boxes' texts in the order they were shown. The owner may clear it,
  // e.g. between the steps of a test.
  QStringList& texts() { return texts_; }
  const QStringList& texts() const { return texts_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QStringList texts_;
};

}  // namespace q9xkit
