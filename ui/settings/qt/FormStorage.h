#pragma once
// The stored settings of one Qt window: its placement and its named values
// (StoredValues), put back when the window is shown and written to the
// per-user settings store when it is closed or destroyed. The rules are
// WindowSettings'; this watches the window's events and speaks Qt's types.

#include <QString>
#include <QVariant>
#include <QWidget>
#include <memory>
#include <vector>

#include "ui/settings/WindowSettings.h"
#include "ui/settings/qt/QtSettingsWindow.h"

namespace q9x {

// A named value; names are unique within their list, compared without regard
// to letter case. An invalid QVariant is the empty value; an integer stays
// an integer until a load makes it the text read.
struct TStoredValue {
  QString Name;
  QVariant Value;
};

class TFormStorage {
 public:
  explicit TFormStorage(std::vector<TStoredValue> storedValues = {});
  // A window not saved since its last load is saved now, marked as being
  // destroyed. Keep the storage a member of its window, so that this runs
  // while the window still stands.
  ~TFormStorage();
  TFormStorage(const TFormStorage&) = delete;
  TFormStorage& operator=(const TFormStorage&) = delete;

  // The value with that name, or the null value when there is none.
  QVariant ValueByName(const QString& name) const;
  // Sets the named value, appending it when there is none. Changes only memory.
  void SetValueByName(const QString& name, const QVariant& value);

  void setOptions(unsigned options) { settings_.setOptions(options); }

  // Watches the window's show and close: settings are loaded before the
  // window's own show handling, and saved when its own close handling has
  // let it close. The section is the window's class name unless one is given.
  void attach(QWidget& window, const QString& section = {});

  // Errors are thrown; the attached handlers report them and carry on.
  void LoadWindowSettings();
  void SaveWindowSettings();

 private:
  class WindowHooks;

  WindowSettings settings_;
  QtSettingsWindow window_;
  std::unique_ptr<WindowHooks> hooks_;
};

}  // namespace q9x
