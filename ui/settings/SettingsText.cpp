#include "ui/settings/SettingsText.h"

#include <algorithm>
#include <climits>

namespace q9x {

namespace {

constexpr std::string_view kBlanks = " \t\n\v\f\r";

std::string_view trimmed(std::string_view text)
{
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Only a sign and digits, with blanks around them; beyond int's range the
// nearest int.
std::optional<int> saturatedInt(std::string_view text)
{
  text = trimmed(text);
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  long long magnitude = 0;
  for (const char c : text) {
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > -static_cast<long long>(INT_MIN)) break;  // beyond int either way
  }
  const long long value = negative ? -magnitude : magnitude;
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace

int textToInt(std::string_view text, int fallback) { return saturatedInt(text).value_or(fallback); }

std::array<std::optional<int>, 4> textToFour(std::string_view text)
{
  std::array<std::optional<int>, 4> values;
  std::size_t word = 0;
  std::size_t at = 0;
  while (word < values.size()) {
    at = text.find_first_not_of(", ", at);
    if (at == std::string_view::npos) break;
    const std::size_t end = std::min(text.find_first_of(", ", at), text.size());
    values[word++] = saturatedInt(text.substr(at, end - at));
    at = end;
  }
  return values;
}

std::string fourToText(const std::array<int, 4>& values)
{
  return std::to_string(values[0]) + ',' + std::to_string(values[1]) + ',' + std::to_string(values[2]) + ',' +
         std::to_string(values[3]);
}

std::string screenSuffix(ScreenSize screen)
{
  return '(' + std::to_string(screen.width) + 'x' + std::to_string(screen.height) + ')';
}

}  // namespace q9x
