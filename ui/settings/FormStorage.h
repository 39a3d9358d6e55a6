#pragma once
// Stored settings of one window: its placement and its named values
// (StoredValues), put back when the window is shown and written to the
// per-user settings store when it is closed or destroyed.

#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <memory>
#include <vector>

#include "ui/settings/WindowPlacement.h"

namespace q9x {

class SettingsStore;
struct SettingsPlatform;

// A named value; names are unique within their list, compared without regard
// to letter case. An invalid QVariant is the empty value.
struct TStoredValue {
  QString Name;
  QVariant Value;
};

// What a window's placement restore covers.
enum TPlacementOption : unsigned {
  fpState = 1u << 0,     // normal, minimised or maximised
  fpPosition = 1u << 1,  // position, and size for a sizeable window
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

  void setOptions(unsigned options) { options_ = options; }

  // Watches the window's show and close: settings are loaded before the
  // window's own show handling, and saved when its own close handling has
  // let it close. The section is the window's class name unless one is given.
  void attach(QWidget& window, const QString& section = {});

  // Errors are thrown; the attached handlers report them and carry on.
  void LoadWindowSettings();
  void SaveWindowSettings();

 private:
  class WindowHooks;

  void restorePlacement(SettingsStore& store, const SettingsPlatform& platform);
  void restorePosition(SettingsStore& store, const SettingsPlatform& platform);
  // False when the stored state asks for a minimised window, which stays normal.
  bool restoreState(SettingsStore& store);
  void restoreStoredValues(SettingsStore& store);
  void writePlacement(SettingsStore& store, const SettingsPlatform& platform);

  std::vector<TStoredValue> values_;
  unsigned options_ = fpPosition;
  QPointer<QWidget> window_;
  FrameKeeper frame_;
  QString section_;
  std::unique_ptr<WindowHooks> hooks_;
  bool loaded_ = false;
  bool saved_ = false;
  bool destroying_ = false;
};

}  // namespace q9x
