#include "engine/ContestRules.h"

#include <algorithm>

#include "engine/Bands.h"
#include "engine/Text.h"

namespace q9x {

namespace {
bool isUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool isUpperLetterOrDigit(char c) { return isUpperLetter(c) || (c >= '0' && c <= '9'); }

// A fixed-length pattern anchored at the end matches exactly the last
// `length` bytes when each of them, upper-cased, belongs to the class.
template <class CharClass>
std::string_view upperTailMatch(std::string_view text, std::size_t length, CharClass inClass)
{
  if (text.size() < length) return {};
  const std::string_view tail = text.substr(text.size() - length);
  if (!std::all_of(tail.begin(), tail.end(), [&](char c) { return inClass(upperAscii(c)); })) return {};
  return tail;
}
}  // namespace

bool isPointsBand(std::string_view band)
{
  // The band is tested as a field of the colon-separated list, as the host
  // tests fields: a text such as "3.5:7" is in it too. A band without a colon
  // is in it when it is one of the bands, which is quicker to see.
  if (band.find(':') == std::string_view::npos)
    return std::find(PointsBands.begin(), PointsBands.end(), band) != PointsBands.end();
  static const std::string list = [] {
    std::string joined = ":";
    for (std::string_view points : PointsBands) joined.append(points).append(":");
    return joined;
  }();
  return occursAsListField(band, list);
}

std::int32_t contactPoints(std::string_view band, std::string_view myMainPrefix,
                           std::string_view mainPrefix)
{
  if (!isPointsBand(band)) return 0;
  return isUa3a(myMainPrefix) == isUa3a(mainPrefix) ? 1 : 5;
}

MultiplierCode multiplierCode(std::string_view report, std::string_view mainPrefix)
{
  // Upper-casing leaves the bytes trimmed alone, so only the tail read is
  // looked at upper-cased, not the whole report.
  const std::string_view text = trimControls(report);
  if (isUa3a(mainPrefix)) return {MultiplierKind::Area, upperTailMatch(text, 2, isUpperLetter)};
  return {MultiplierKind::Rda, upperTailMatch(text, 4, isUpperLetterOrDigit)};
}

}  // namespace q9x
