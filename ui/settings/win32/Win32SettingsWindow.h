#pragma once
// A native window's placement as the stored settings see it: the platform's
// own placement record (GetWindowPlacement), its show commands and the
// border metrics of the window's style.

#include <windows.h>

#include "ui/settings/SettingsWindow.h"

namespace q9x {

class Win32SettingsWindow final : public SettingsWindow {
 public:
  void attach(HWND window) { window_ = window; }

  bool exists() const override;
  bool isVisible() const override;
  bool isSizeable() const override;
  WindowPlacement placement() const override;
  void setPlacement(const WindowPlacement& placement) override;
  PlacementPoint frameThickness() const override;
  void setState(WindowState state) override;
  void minimiseApplication() override;
  void refresh() override;

 private:
  HWND window_ = nullptr;
};

}  // namespace q9x
