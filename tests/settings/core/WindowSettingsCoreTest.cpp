// The stored-settings rules on a fake store and a fake window: what is
// written and in which order, what a load puts back on a platform that keeps
// flags and minimised and maximised positions, and the marks that decide
// when a window saves.
#include <gtest/gtest.h>

#include "FakeSettings.h"
#include "ui/settings/ReachableFrame.h"
#include "ui/settings/SettingsText.h"
#include "ui/settings/WindowSettings.h"

namespace q9x::test {
namespace {

const std::string kSection = "TfmTest";

class WindowSettingsCore : public ::testing::Test {
 protected:
  WindowSettingsCore()
  {
    window.current.normalPosition = {100, 50, 430, 192};
    settings.setSection(kSection);
    settings.setOptions(fpState | fpPosition);
  }
  std::map<std::string, std::string>& stored() { return registry.sections[kSection]; }

  FakeRegistry registry;
  FakePlatform fake{registry};
  FakeWindow window;
  WindowSettings settings{{{"CurrentBand", 0}}};
};

TEST_F(WindowSettingsCore, SavesThePlatformPlacementInOrderAsText)
{
  window.current = {2, ShowMaximized, {-32000, -32000}, {-4, -3}, {-10, 20, 320, 162}};
  settings.load(window, fake.platform);
  settings.save(window, fake.platform);

  EXPECT_EQ(registry.keyPaths.back(), "Software\\Logger");
  EXPECT_EQ(registry.written,
            (std::vector<std::string>{"FormVersion", "Flags", "ShowCmd", "PixelsPerInch", "MinMaxPos(1024x768)",
                                      "MinMaxPos", "NormPos(1024x768)", "NormPos", "Visible", "CurrentBand"}));
  EXPECT_EQ(stored(), (std::map<std::string, std::string>{{"FormVersion", "0"},
                                                          {"Flags", "2"},
                                                          {"ShowCmd", "3"},
                                                          {"PixelsPerInch", "96"},
                                                          {"MinMaxPos(1024x768)", "-32000,-32000,-4,-3"},
                                                          {"MinMaxPos", "-32000,-32000,-4,-3"},
                                                          {"NormPos(1024x768)", "-10,20,320,162"},
                                                          {"NormPos", "-10,20,320,162"},
                                                          {"Visible", "0"},
                                                          {"CurrentBand", "0"}}));
}

TEST_F(WindowSettingsCore, LoadAppliesStoredFlagsPositionsAndRectangleThenSettlesTheMaximisedPosition)
{
  stored() = {{"Flags", "2"}, {"MinMaxPos", "-32000,-32000,5,6"}, {"NormPos", "300,200,700,500"}, {"ShowCmd", "3"}};
  settings.load(window, fake.platform);

  ASSERT_EQ(window.applied.size(), 2u);
  const WindowPlacement& restored = window.applied[0];
  EXPECT_EQ(restored.flags, 2);
  EXPECT_EQ(restored.showCmd, ShowHidden) << "applying must not show a window not yet visible";
  EXPECT_EQ(restored.minPosition.x, -32000);
  EXPECT_EQ(restored.maxPosition.y, 6);
  EXPECT_EQ(restored.normalPosition, (PlacementRect{300, 200, 700, 500}));
  EXPECT_EQ(window.states, std::vector<WindowState>{WindowState::Maximized});
  EXPECT_EQ(window.refreshed, 1);
  const WindowPlacement& settled = window.applied[1];
  EXPECT_EQ(settled.maxPosition.x, -4);
  EXPECT_EQ(settled.maxPosition.y, -3);
  EXPECT_EQ(settled.normalPosition, restored.normalPosition);
}

TEST_F(WindowSettingsCore, MinimisedStateMinimisesTheApplicationAndSkipsTheRefresh)
{
  for (const char* showCmd : {"2", "6", "7"}) {
    stored()["ShowCmd"] = showCmd;
    window = FakeWindow();
    settings.load(window, fake.platform);
    EXPECT_EQ(window.applicationMinimised, 1) << showCmd;
    EXPECT_TRUE(window.states.empty()) << showCmd;
    EXPECT_EQ(window.refreshed, 0) << showCmd;
  }
}

TEST_F(WindowSettingsCore, OtherPixelDensityOrOlderVersionLeavesTheDesignedPlace)
{
  stored() = {{"NormPos", "300,200,700,500"}, {"PixelsPerInch", "120"}, {"CurrentBand", "5"}};
  settings.load(window, fake.platform);
  EXPECT_EQ(window.current.normalPosition, (PlacementRect{100, 50, 430, 192}));
  EXPECT_EQ(settings.valueByName("currentband"), StoredData(std::string("5"))) << "names ignore letter case";

  stored()["FormVersion"] = "-1";
  stored()["CurrentBand"] = "7";
  WindowSettings older{{{"CurrentBand", 0}}};
  older.setSection(kSection);
  FakeWindow fresh;
  older.load(fresh, fake.platform);
  EXPECT_EQ(fresh.states.size(), 0u) << "nothing restored";
  EXPECT_EQ(older.valueByName("CurrentBand"), StoredData(0));
  older.save(fresh, fake.platform);
  EXPECT_EQ(stored()["FormVersion"], "0") << "yet the next save writes everything";
  EXPECT_EQ(stored()["CurrentBand"], "0");
}

TEST_F(WindowSettingsCore, DesignedPlaceOffANarrowScreenComesOntoIt)
{
  // The statistics window's designed place, on an 800-pixel-wide screen.
  fake.areas = {{0, 0, 800, 600}};
  window.sizeable = false;
  window.current.normalPosition = {1009, 201, 1341, 326};
  settings.load(window, fake.platform);
  EXPECT_EQ(window.current.normalPosition, (PlacementRect{468, 201, 800, 326}));

  // Also when the stored settings are of an older version and not taken.
  stored()["FormVersion"] = "-1";
  window.current.normalPosition = {1009, 201, 1341, 326};
  settings.load(window, fake.platform);
  EXPECT_EQ(window.current.normalPosition, (PlacementRect{468, 201, 800, 326}));
}

TEST_F(WindowSettingsCore, SavesOnlyWhatWasLoadedAndRetriesAFailedSaveAtDestruction)
{
  settings.save(window, fake.platform);
  settings.saveAtDestruction(window, fake.platform);
  EXPECT_TRUE(registry.sections.empty()) << "never loaded, never saved";

  settings.load(window, fake.platform);
  registry.unwritable = true;
  EXPECT_THROW(settings.save(window, fake.platform), SettingsError);
  EXPECT_THROW(settings.saveAtDestruction(window, fake.platform), SettingsError);
  registry.unwritable = false;
  settings.save(window, fake.platform);
  EXPECT_EQ(stored()["Visible"], "0") << "a failed destruction-time save leaves no destroying mark behind";

  settings.load(window, fake.platform);
  settings.saveAtDestruction(window, fake.platform);
  EXPECT_EQ(stored()["Visible"], "1");
  stored()["Visible"] = "untouched";
  settings.saveAtDestruction(window, fake.platform);
  EXPECT_EQ(stored()["Visible"], "untouched") << "saved since its load: no second save";
}

TEST_F(WindowSettingsCore, ForeignValueBeforeTheLoadedMarkStopsAllSavingButNotAfterIt)
{
  registry.foreignValues = {"NormPos"};
  try {
    settings.load(window, fake.platform);
    FAIL() << "no error";
  } catch (const SettingsError& e) {
    EXPECT_STREQ(e.what(), "Invalid data type for 'NormPos'");
  }
  EXPECT_TRUE(window.applied.empty()) << "the rest of the load is skipped";
  settings.saveAtDestruction(window, fake.platform);
  EXPECT_TRUE(registry.sections.empty());

  WindowSettings later{{{"CurrentBand", 0}}};
  later.setSection(kSection);
  registry.foreignValues = {"CurrentBand"};
  EXPECT_THROW(later.load(window, fake.platform), SettingsError);
  later.save(window, fake.platform);
  EXPECT_EQ(stored()["CurrentBand"], "0") << "the placement was restored, so the window saves";
}

TEST(SettingsText, NumbersSaturateAndOnlyDecimalsCount)
{
  EXPECT_EQ(textToInt(" -12 ", 0), -12);
  EXPECT_EQ(textToInt("+7", 0), 7);
  EXPECT_EQ(textToInt("99999999999999999999999", 0), INT_MAX);
  EXPECT_EQ(textToInt("-99999999999999999999999", 0), INT_MIN);
  for (const char* text : {"", "-", "1e3", "0x10", "12a", "1 2"}) EXPECT_EQ(textToInt(text, 5), 5) << text;

  const auto words = textToFour("1, ,-2,,x 4 5");
  EXPECT_EQ(words[0], 1);
  EXPECT_EQ(words[1], -2);
  EXPECT_EQ(words[2], std::nullopt);
  EXPECT_EQ(words[3], 4);
}

TEST(ReachableFrame, OffEveryScreenGoesToTheNearestAndPartlyVisibleStays)
{
  const std::vector<PlacementRect> screens{{0, 0, 1024, 768}, {1024, 0, 2304, 1024}};
  EXPECT_EQ(reachableFrame({3000, 100, 3330, 242}, screens), (PlacementRect{1974, 100, 2304, 242}));
  EXPECT_EQ(reachableFrame({100, 900, 430, 1042}, screens), (PlacementRect{100, 626, 430, 768}));
  EXPECT_EQ(reachableFrame({1000, 700, 1330, 842}, screens), (PlacementRect{1000, 700, 1330, 842}));
  EXPECT_EQ(reachableFrame({-100, -100, 5000, 5000}, screens), (PlacementRect{-100, -100, 1180, 924}))
      << "cut to the screen it lies most on, and still partly visible";
}

}  // namespace
}  // namespace q9x::test
