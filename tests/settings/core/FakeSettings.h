#pragma once
// A store and a window of the test's own, so that the stored-settings rules
// run without any window toolkit: the store keeps its sections in memory and
// can be made to fail; the window records what is done to it.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/settings/SettingsPlatform.h"
#include "ui/settings/SettingsWindow.h"

namespace q9x::test {

struct FakeRegistry {
  // section -> value name -> text, as committed
  std::map<std::string, std::map<std::string, std::string>> sections;
  std::set<std::string> foreignValues;  // stored with a type other than text
  bool unreadable = false;
  bool unwritable = false;
  std::vector<std::string> written;  // names in the order of the last save
  std::vector<std::string> keyPaths;  // every key path opened
};

class FakeWindow final : public SettingsWindow {
 public:
  bool alive = true;
  bool visible = false;
  bool sizeable = true;
  WindowPlacement current;
  PlacementPoint thickness{4, 3};
  std::vector<WindowPlacement> applied;
  std::vector<WindowState> states;
  int applicationMinimised = 0;
  int refreshed = 0;

  bool exists() const override { return alive; }
  bool isVisible() const override { return visible; }
  bool isSizeable() const override { return sizeable; }
  WindowPlacement placement() const override { return current; }
  void setPlacement(const WindowPlacement& p) override
  {
    applied.push_back(p);
    const int showCmd = current.showCmd;
    current = p;
    if (p.showCmd == ShowHidden) current.showCmd = showCmd;
  }
  PlacementPoint frameThickness() const override { return thickness; }
  void setState(WindowState state) override { states.push_back(state); }
  void minimiseApplication() override { ++applicationMinimised; }
  void refresh() override { ++refreshed; }
};

// A platform over the registry: host "Logger", a 1024 x 768 screen at 96
// pixels per inch, all of it available, unless the test says otherwise.
struct FakePlatform {
  explicit FakePlatform(FakeRegistry& registry);
  SettingsPlatform platform;
  std::string host = "Logger";
  ScreenSize screen{1024, 768};
  int pixelsPerInch = 96;
  std::vector<PlacementRect> areas{{0, 0, 1024, 768}};
};

}  // namespace q9x::test
