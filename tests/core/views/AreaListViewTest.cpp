// The area window's values: the items' order, the row of band buttons, and
// the marks, pinned to the marking rule written out plainly
// here (bandText|code| occurs in a worked key, byte for byte).

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "ui/domlist/AreaListView.h"
#include "ui/domlist/BandButtonRow.h"

namespace q9x {
namespace {

// Byte order, or with caseBlind an order that ranks codes differing only in
// letter case equal, as a locale may.
class TestOrder : public CaptionOrder {
 public:
  explicit TestOrder(bool caseBlind = false) : caseBlind_(caseBlind) {}
  void take(const std::vector<std::string>& captions) override
  {
    captions_ = captions;
    if (caseBlind_)
      for (std::string& caption : captions_)
        for (char& c : caption) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  int compare(std::size_t a, std::size_t b) const override { return captions_[a].compare(captions_[b]); }

 private:
  bool caseBlind_;
  std::vector<std::string> captions_;
};
TestOrder byteOrder;

std::vector<std::string> captions(const AreaListView& view)
{
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < view.size(); ++i) texts.push_back(view.caption(i));
  return texts;
}

std::vector<std::string> marked(AreaListView& view, const WorkedSet& worked)
{
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < view.size(); ++i)
    if (view.mark(i, worked) == AreaMark::Marked) texts.push_back(view.caption(i));
  return texts;
}

bool markedByTheRule(std::string_view bandText, const std::string& code, const WorkedSet& worked)
{
  const std::string key = std::string(bandText) + "|" + code + "|";
  for (const std::string& e : worked.list())
    if (e.find(key) != std::string::npos) return true;
  return false;
}

TEST(AreaListView, ItemsInThePlatformsOrderWithEqualCaptionsInFileOrder)
{
  const std::vector<std::string> listed = {"XY", "zw", "", "ABCD", "XY", "ab", "AB"};
  EXPECT_EQ(captions(AreaListView(listed, byteOrder)),
            (std::vector<std::string>{"", "AB", "ABCD", "XY", "XY", "ab", "zw"}));
  TestOrder caseBlindOrder(true);
  EXPECT_EQ(captions(AreaListView(listed, caseBlindOrder)),
            (std::vector<std::string>{"", "ab", "AB", "ABCD", "XY", "XY", "zw"}));
}

TEST(AreaListView, MarksTheCodesWorkedOnTheSelectedBand)
{
  AreaListView view({"AB", "CD", "EF", "GH", "ab", "IJ"}, byteOrder);
  WorkedSet worked;
  EXPECT_EQ(view.mark(0, worked), AreaMark::OwnFont) << "nothing worked: the list's own font";

  for (auto [band, code] : {std::pair{"7", "AB"}, {"3.5", "CD"}, {"7 ", "EF"}, {"17", "GH"}}) worked.insert(band, code);
  EXPECT_EQ(marked(view, worked), (std::vector<std::string>{"AB", "CD", "EF", "GH"})) << "no band: any band";
  view.selectBand(3);
  // "7 " is not band 7, but "17|GH|" holds "7|GH|".
  EXPECT_EQ(marked(view, worked), (std::vector<std::string>{"AB", "GH"}));
  EXPECT_EQ(view.mark(5, worked), AreaMark::Unmarked);

  // Keys worked after the first drawing count from the next one on.
  worked.insert("7", "IJ");
  EXPECT_EQ(marked(view, worked), (std::vector<std::string>{"AB", "GH", "IJ"}));

  // Counted again from a log that now holds other codes, as many as before.
  worked.clear();
  view.workedCleared();
  for (auto [band, code] : {std::pair{"7", "CD"}, {"3.5", "AB"}, {"7", "EF"}, {"1.8", "GH"}, {"10", "IJ"}})
    worked.insert(band, code);
  EXPECT_EQ(marked(view, worked), (std::vector<std::string>{"CD", "EF"}));
}

TEST(AreaListView, MarksAsTheRuleDoesForBandTextsAndCodesWithBars)
{
  // Host band texts and area file codes are arbitrary bytes; short ones over
  // a small alphabet make every overlap of bars, bands and codes likely.
  const std::string alphabet = "|||AB73.5 1";
  std::mt19937 random(20261209);
  const auto text = [&](std::size_t most) {
    std::string t(random() % (most + 1), ' ');
    for (char& c : t) c = alphabet[random() % alphabet.size()];
    return t;
  };
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> listed;
    for (int i = 0; i < 12; ++i) listed.push_back(text(4));
    AreaListView noBand(listed, byteOrder);
    AreaListView band(listed, byteOrder);
    WorkedSet worked;
    for (int k = 0; k < 6; ++k) {
      worked.insert(text(6), text(3));
      for (int n = 0; n <= 9; ++n) {
        AreaListView& view = n == 0 ? noBand : band;
        view.selectBand(n);
        for (std::size_t i = 0; i < view.size(); ++i)
          ASSERT_EQ(view.mark(i, worked) == AreaMark::Marked, markedByTheRule(view.bandText(), view.caption(i), worked))
              << "band " << n << " code '" << view.caption(i) << "' key '" << worked.list().back() << "'";
      }
    }
  }
}

// The designed widths are checked on the window; these rows it cannot show.
TEST(BandButtonRow, ARowTooNarrowOrWithoutWidth)
{
  EXPECT_EQ(buttonRowPlaces(10, 18, 9).back(), (ButtonPlace{8, 0, 0, 17})) << "never a negative width";
  EXPECT_TRUE(buttonRowPlaces(0, 18, 9).empty());
}

}  // namespace
}  // namespace q9x
