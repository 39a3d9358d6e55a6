#pragma once
// The stored settings of one window: its placement and its named values,
// put back when the window is shown and written to the per-user store when it
// is closed or destroyed. Which values, in which order and text form, and
// when a stored place is taken are decided here once, for every window
// toolkit; the store and the window come from the front-end.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ui/settings/SettingsPlatform.h"
#include "ui/settings/SettingsWindow.h"

namespace q9x {

// What a window's placement restore covers.
enum TPlacementOption : unsigned {
  fpState = 1u << 0,     // normal, minimised or maximised
  fpPosition = 1u << 1,  // position, and size for a sizeable window
};

// A named value: empty, an integer or a text.
using StoredData = std::variant<std::monostate, int, std::string>;

struct StoredValue {
  std::string name;
  StoredData value;
};

// The stored text of a value: decimal for an integer, the text itself for a
// text, empty for the empty value.
std::string storedText(const StoredData& value);

class WindowSettings {
 public:
  explicit WindowSettings(std::vector<StoredValue> values = {}) : values_(std::move(values)) {}

  void setOptions(unsigned options) { options_ = options; }
  // The store's section for this window: its class name.
  void setSection(std::string section) { section_ = std::move(section); }

  // The value with that name (compared without regard to letter case), or
  // the empty value when there is none.
  StoredData valueByName(std::string_view name) const;
  // Sets the named value, appending it when there is none. Changes only memory.
  void setValueByName(std::string_view name, StoredData value);

  // Errors are thrown as SettingsError; the rest of that load or save is
  // skipped.
  void load(SettingsWindow& window, const SettingsPlatform& platform);
  // Does nothing for a window whose settings were never loaded.
  void save(SettingsWindow& window, const SettingsPlatform& platform);
  // The save on the window's destruction: only when it has not been saved
  // since its last load, and marked as such ("Visible" 1).
  void saveAtDestruction(SettingsWindow& window, const SettingsPlatform& platform);

 private:
  void restorePlacement(SettingsStore& store, SettingsWindow& window, const SettingsPlatform& platform);
  void restorePosition(SettingsStore& store, SettingsWindow& window, const SettingsPlatform& platform);
  // False when the stored state asks for a minimised window, which stays normal.
  bool restoreState(SettingsStore& store, SettingsWindow& window);
  void restoreStoredValues(SettingsStore& store);
  void writePlacement(SettingsStore& store, const SettingsWindow& window, const SettingsPlatform& platform);

  std::vector<StoredValue> values_;
  unsigned options_ = fpPosition;
  std::string section_;
  bool loaded_ = false;
  bool saved_ = false;
  bool destroying_ = false;
};

}  // namespace q9x
