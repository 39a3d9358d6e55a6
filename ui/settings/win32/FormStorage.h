#pragma once
// The stored settings of one native window: its placement and its named
// values, put back when the window is shown and written to the registry when
// it is closed or destroyed. The rules are WindowSettings'; the window calls
// the three hooks from its own show, close and destroy handling, and each
// reports its errors in the error box and lets the window carry on.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/settings/WindowSettings.h"
#include "ui/settings/win32/Win32SettingsWindow.h"

namespace q9x::win32 {

class TFormStorage {
 public:
  TFormStorage(std::vector<StoredValue> storedValues, unsigned options);

  // The window and its section in the store (its class name).
  void attach(HWND window, std::string section);

  // Before the window's own show handling.
  void windowShowing() noexcept;
  // Once the window's own close handling has let it close.
  void windowClosing() noexcept;
  // While the window is being destroyed: saved unless saved since its last load.
  void windowDestroying() noexcept;

  // The value with that name, or the empty value when there is none.
  StoredData ValueByName(std::string_view name) const { return settings_.valueByName(name); }
  // Sets the named value, appending it when there is none. Changes only memory.
  void SetValueByName(std::string_view name, StoredData value) { settings_.setValueByName(name, std::move(value)); }

 private:
  WindowSettings settings_;
  Win32SettingsWindow window_;
};

}  // namespace q9x::win32
