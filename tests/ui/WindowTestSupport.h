#pragma once
// What the window tests share: a host log in an in-memory SQLite database on
// the default connection, a host record pointing at it, a statistics window
// built from that record, and a capture of the errors shown to the user.

#include <QImage>
#include <QPointer>
#include <QStringList>
#include <string>

#include "plugin/q9xcup.h"
#include "platform/ErrorReport.h"
#include "ui/MainForm/MainForm.h"

class QTableWidget;

namespace q9x::test {

// One contact as the host logs it.
struct LoggedContact {
  std::string callSign;
  std::string band;
  std::string report;
  std::string mainPrefix;
  std::string mode = "FT8";
};

// The host's log table "Log" with the seven columns the plug-in reads,
// emptied on creation.
class HostLog {
 public:
  HostLog();
  ~HostLog();
  void add(const LoggedContact& contact);
};

// Collects reported errors for the lifetime of the object.
class ErrorCapture {
 public:
  ErrorCapture();
  ~ErrorCapture();
  const QStringList& errors() const { return errors_; }

 private:
  QStringList errors_;
  ErrorSink previous_;
};

// The host's record: table "Log" on the default connection, operator UA3A.
TPluginRecord hostRecord(const std::string& tableName = "Log");

// A statistics window over the host's log, with no stored settings; deleted at the end of the test
// unless it was already destroyed.
class StatisticsWindow {
 public:
  explicit StatisticsWindow(const std::string& tableName = "Log");
  ~StatisticsWindow();

  TfmMainForm* operator->() const { return window_; }
  TfmMainForm* get() const { return window_; }
  TPluginRecord& currentRecord() { return current_; }

  // Shows the window the first time (recalculating) and lets it settle.
  void show();
  // Counts a contact as the host's "add contact" call does, then refreshes.
  std::int32_t addContact(const LoggedContact& contact);

  QString cell(int column, int row) const;
  QStringList row(int row) const;
  QString scoreLine() const;

 private:
  TPluginRecord current_{};
  QPointer<TfmMainForm> window_;
};

// Starts every window from its designed placement and values: the stored
// settings of earlier tests are removed.
void forgetStoredSettings();

// Lets deferred deletions and pending events run.
void settle();

bool isReddish(QRgb pixel);

}  // namespace q9x::test
