#pragma once
// Shared by the window tests: the host's log in an in-memory SQLite database
// on the default connection, a statistics window over it, and a capture of
// the errors shown to the user.

#include <QPointer>
#include <QStringList>
#include <string>

#include "hostkit/PluginWindows.h"
#include "platform/qt/ErrorReport.h"
#include "tests/support/ContextHost.h"
#include "ui/MainForm/qt/MainForm.h"

namespace q9x::test {

struct LoggedContact {
  std::string callSign, band, report, mainPrefix;
};

// The host's log table "Log" with the seven columns the plug-in reads; created empty.
class HostLog {
 public:
  HostLog();
  void add(const LoggedContact& contact);
};

class ErrorCapture {
 public:
  ErrorCapture();
  ~ErrorCapture();
  const QStringList& errors() const { return errors_; }

 private:
  QStringList errors_;
  ErrorSink previous_;
};

// A statistics window over "Log" for operator UA3A, starting without stored
// settings; deleted at the end of the test unless it is gone already.
class StatisticsWindow {
 public:
  StatisticsWindow();
  ~StatisticsWindow();

  TfmMainForm* operator->() const { return window_; }
  TfmMainForm* get() const { return window_; }
  SessionContext& context() { return host_.current; }
  template <class Child>
  Child* child(const char* name) const { return window_->findChild<Child*>(QLatin1String(name)); }

  // Shows the window (the first time recalculates) and lets it settle.
  void show();
  // Counts a contact as the host's "add contact" call does.
  void addContact(const LoggedContact& contact);
  QStringList row(int row) const;
  QString scoreLine() const;

 private:
  ContextHost host_;
  QPointer<TfmMainForm> window_;
};

// Lets deferred deletions and pending events run.
using q9xkit::settle;

}  // namespace q9x::test
