#pragma once
// A window's placement as the platform keeps it and the settings store
// writes it: flags, show command, minimised and maximised positions and the
// normal rectangle, plus the plain screen facts the settings depend on.

namespace q9x {

struct PlacementPoint {
  int x = 0;
  int y = 0;
};

// Edges of a rectangle; right and bottom lie just outside it.
struct PlacementRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const PlacementRect&, const PlacementRect&) = default;
};

struct ScreenSize {
  int width = 0;
  int height = 0;
};

// The platform's show commands the settings know by number.
enum ShowCommand : int {
  ShowHidden = 0,
  ShowNormal = 1,
  ShowMinimized = 2,
  ShowMaximized = 3,
};

struct WindowPlacement {
  int flags = 0;
  int showCmd = ShowNormal;
  PlacementPoint minPosition{-1, -1};
  PlacementPoint maxPosition{-1, -1};
  // The window's frame in its normal (neither minimised nor maximised) state.
  PlacementRect normalPosition;
};

}  // namespace q9x
