#pragma once
// What the stored settings need of a window on its platform: its placement,
// read and applied whole, and the few facts and actions around it.

#include "ui/settings/WindowPlacement.h"

namespace q9x {

enum class WindowState { Normal, Maximized };

class SettingsWindow {
 public:
  virtual ~SettingsWindow() = default;

  // False once the window is gone: nothing is read from or put on it then.
  virtual bool exists() const = 0;
  virtual bool isVisible() const = 0;
  // A window whose size is fixed takes only a stored position.
  virtual bool isSizeable() const = 0;

  virtual WindowPlacement placement() const = 0;
  // Applies a placement; a hidden show command does not show the window.
  virtual void setPlacement(const WindowPlacement& placement) = 0;
  // The horizontal and vertical thickness of the window's border; 0, 0
  // for a window without one.
  virtual PlacementPoint frameThickness() const = 0;

  virtual void setState(WindowState state) = 0;
  // A window stored minimised stays normal; the application's window is
  // minimised in its place, where the platform has one.
  virtual void minimiseApplication() = 0;
  virtual void refresh() = 0;
};

}  // namespace q9x
