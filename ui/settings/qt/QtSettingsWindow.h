#pragma once
// A QWidget's placement as the stored settings see it. Qt keeps no placement
// flags (0) and no minimised or maximised positions (-1); the normal
// rectangle is the window frame's, which a window manager tells late.

#include <QPointer>
#include <QWidget>

#include "ui/settings/SettingsWindow.h"
#include "ui/settings/qt/FrameKeeper.h"

namespace q9x {

class QtSettingsWindow final : public SettingsWindow {
 public:
  void attach(QWidget& window) { window_ = &window; }
  // Lets the frame keeper follow the window; see FrameKeeper::observe.
  void observe();

  bool exists() const override { return !window_.isNull(); }
  bool isVisible() const override;
  bool isSizeable() const override;
  WindowPlacement placement() const override;
  void setPlacement(const WindowPlacement& placement) override;
  PlacementPoint frameThickness() const override;
  void setState(WindowState state) override;
  void minimiseApplication() override;
  void refresh() override;

 private:
  QPointer<QWidget> window_;
  FrameKeeper frame_;
};

}  // namespace q9x
