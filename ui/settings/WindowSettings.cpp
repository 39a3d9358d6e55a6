#include "ui/settings/WindowSettings.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "ui/settings/ReachableFrame.h"
#include "ui/settings/SettingsText.h"

namespace q9x {

namespace {

// The layout version the settings are written with; stored settings of a
// lower one are not restored.
constexpr int kLayoutVersion = 0;
constexpr const char* kFormVersion = "FormVersion";
constexpr const char* kFlags = "Flags";
constexpr const char* kShowCmd = "ShowCmd";
constexpr const char* kPixelsPerInch = "PixelsPerInch";
constexpr const char* kMinMaxPos = "MinMaxPos";
constexpr const char* kNormPos = "NormPos";
constexpr const char* kVisible = "Visible";

bool sameName(std::string_view a, std::string_view b)
{
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// The value of that name in the list, or null; const or not as the list is.
template <class Values>
auto find(Values& values, std::string_view name) -> decltype(&values.front())
{
  const auto found = std::find_if(values.begin(), values.end(), [name](const StoredValue& v) { return sameName(v.name, name); });
  return found == values.end() ? nullptr : &*found;
}

int readInt(SettingsStore& store, const std::string& name, int fallback)
{
  const std::optional<std::string> text = store.read(name);
  return text ? textToInt(*text, fallback) : fallback;
}

// The value stored for this screen size, else the one stored last at any size.
std::string readForScreen(SettingsStore& store, const std::string& name, const std::string& suffix)
{
  std::optional<std::string> text = store.read(name + suffix);
  if (!text || text->empty()) text = store.read(name);
  return text.value_or(std::string());
}

std::unique_ptr<SettingsStore> openStore(const SettingsPlatform& platform, const std::string& section)
{
  return platform.openStore(settingsKeyPath(platform.hostProgramName()), section);
}

bool hasArea(const FrameEdges& e) { return e.right > e.left && e.bottom > e.top; }

FrameEdges edgesOf(const PlacementRect& r) { return {r.left, r.top, r.right, r.bottom}; }

// The placement as it stands, not showing a window that is not yet visible.
WindowPlacement currentPlacement(const SettingsWindow& window)
{
  WindowPlacement p = window.placement();
  if (!window.isVisible()) p.showCmd = ShowHidden;
  return p;
}

// Applies the window's placement once more, with its maximised position just
// outside the screen by the border's thickness, so that a maximised window
// shows no border; and a window whose place (stored or designed) lies off
// every screen comes onto the nearest one.
void settlePlacement(SettingsWindow& window, const SettingsPlatform& platform)
{
  WindowPlacement p = currentPlacement(window);
  const PlacementPoint border = window.frameThickness();
  p.maxPosition = {-border.x, -border.y};
  const FrameEdges normal = edgesOf(p.normalPosition);
  if (hasArea(normal)) p.normalPosition = reachableFrame(normal, platform.availableAreas());
  window.setPlacement(p);
}

}  // namespace

std::string storedText(const StoredData& value)
{
  if (const int* number = std::get_if<int>(&value)) return std::to_string(*number);
  if (const std::string* text = std::get_if<std::string>(&value)) return *text;
  return {};
}

StoredData WindowSettings::valueByName(std::string_view name) const
{
  const StoredValue* v = find(values_, name);
  return v ? v->value : StoredData();
}

void WindowSettings::setValueByName(std::string_view name, StoredData value)
{
  if (StoredValue* v = find(values_, name))
    v->value = std::move(value);
  else
    values_.push_back({std::string(name), std::move(value)});
}

void WindowSettings::load(SettingsWindow& window, const SettingsPlatform& platform)
{
  saved_ = false;
  {
    const std::unique_ptr<SettingsStore> store = openStore(platform, section_);
    if (readInt(*store, kFormVersion, 0) >= kLayoutVersion) {
      if (window.exists()) restorePlacement(*store, window, platform);
      loaded_ = true;
      restoreStoredValues(*store);
    }
    loaded_ = true;
  }
  if (window.exists()) settlePlacement(window, platform);
}

void WindowSettings::restorePlacement(SettingsStore& store, SettingsWindow& window, const SettingsPlatform& platform)
{
  if (options_ & fpPosition) restorePosition(store, window, platform);
  if ((options_ & fpState) && !restoreState(store, window)) return;
  window.refresh();
}

void WindowSettings::restorePosition(SettingsStore& store, SettingsWindow& window, const SettingsPlatform& platform)
{
  WindowPlacement p = currentPlacement(window);
  const PlacementRect current = p.normalPosition;
  const std::int64_t width = std::int64_t(current.right) - current.left;
  const std::int64_t height = std::int64_t(current.bottom) - current.top;
  p.flags = readInt(store, kFlags, p.flags);
  const std::string suffix = screenSuffix(platform.screenSize());

  bool found = false;
  const std::string minMax = readForScreen(store, kMinMaxPos, suffix);
  if (!minMax.empty()) {
    found = true;
    const auto words = textToFour(minMax);
    p.minPosition = {words[0].value_or(0), words[1].value_or(0)};
    p.maxPosition = {words[2].value_or(0), words[3].value_or(0)};
  }
  // Stored numbers may lie anywhere in int's range: edges and sizes are
  // worked out wider than that.
  FrameEdges e = edgesOf(current);
  const std::string normal = readForScreen(store, kNormPos, suffix);
  if (!normal.empty()) {
    found = true;
    // A missing right or bottom edge keeps the current width or height at
    // the stored place, rather than stretching the window back to where it
    // stands now.
    const auto words = textToFour(normal);
    e.left = words[0].value_or(current.left);
    e.top = words[1].value_or(current.top);
    e.right = words[2] ? *words[2] : e.left + width;
    e.bottom = words[3] ? *words[3] : e.top + height;
  }
  // Positions taken at another pixel density would land elsewhere.
  const int pixelsPerInch = platform.pixelsPerInch();
  if (readInt(store, kPixelsPerInch, pixelsPerInch) != pixelsPerInch) found = false;
  if (!found) return;

  if (!window.isSizeable()) {
    e.right = e.left + width;
    e.bottom = e.top + height;
  }
  // An empty rectangle would leave a window nobody can see or grab; one
  // stored on other screens must still be reachable on these.
  if (!hasArea(e)) return;
  p.normalPosition = reachableFrame(e, platform.availableAreas());
  window.setPlacement(p);
}

bool WindowSettings::restoreState(SettingsStore& store, SettingsWindow& window)
{
  switch (readInt(store, kShowCmd, 0)) {
    case ShowMinimized:
    case 6:  // minimised, the next window active
    case 7:  // minimised, not activated
      window.minimiseApplication();
      return false;
    case ShowMaximized:
      window.setState(WindowState::Maximized);
      return true;
    default:
      window.setState(WindowState::Normal);
      return true;
  }
}

void WindowSettings::restoreStoredValues(SettingsStore& store)
{
  for (StoredValue& v : values_) v.value = store.read(v.name).value_or(storedText(v.value));
}

void WindowSettings::save(SettingsWindow& window, const SettingsPlatform& platform)
{
  // A window whose settings were never loaded never overwrites the stored ones.
  if (!loaded_ || !window.exists()) return;
  const std::unique_ptr<SettingsStore> store = openStore(platform, section_);
  store->write(kFormVersion, std::to_string(kLayoutVersion));
  writePlacement(*store, window, platform);
  store->write(kVisible, destroying_ ? "1" : "0");
  for (const StoredValue& v : values_) store->write(v.name, storedText(v.value));
  store->commit();
  saved_ = true;
}

void WindowSettings::saveAtDestruction(SettingsWindow& window, const SettingsPlatform& platform)
{
  if (saved_) return;
  destroying_ = true;
  try {
    save(window, platform);
  } catch (...) {
    destroying_ = false;
    throw;
  }
  destroying_ = false;
}

void WindowSettings::writePlacement(SettingsStore& store, const SettingsWindow& window, const SettingsPlatform& platform)
{
  const WindowPlacement p = window.placement();
  const std::string suffix = screenSuffix(platform.screenSize());
  const PlacementRect& n = p.normalPosition;
  const std::string minMax = fourToText({p.minPosition.x, p.minPosition.y, p.maxPosition.x, p.maxPosition.y});
  const std::string normal = fourToText({n.left, n.top, n.right, n.bottom});
  store.write(kFlags, std::to_string(p.flags));
  store.write(kShowCmd, std::to_string(p.showCmd));
  store.write(kPixelsPerInch, std::to_string(platform.pixelsPerInch()));
  store.write(kMinMaxPos + suffix, minMax);
  store.write(kMinMaxPos, minMax);
  store.write(kNormPos + suffix, normal);
  store.write(kNormPos, normal);
}

}  // namespace q9x
