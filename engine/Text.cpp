#include "engine/Text.h"

#include "plugin/q9xcup.h"

namespace q9x {

namespace {
bool isControlOrBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
}  // namespace

std::string_view trimControls(std::string_view text)
{
  while (!text.empty() && isControlOrBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isControlOrBlank(text.back())) text.remove_suffix(1);
  return text;
}

void upperAsciiInPlace(std::string& text)
{
  for (char& c : text) c = upperAscii(c);
}

std::string upperAscii(std::string_view text)
{
  std::string result(text);
  upperAsciiInPlace(result);
  return result;
}

bool occursAsListField(std::string_view field, std::string_view list)
{
  // Looks for ":" field ":" without building it: runs on every contact.
  for (std::size_t at = list.find(':'); at != std::string_view::npos; at = list.find(':', at + 1)) {
    std::string_view rest = list.substr(at + 1);
    if (rest.size() > field.size() && rest.starts_with(field) && rest[field.size()] == ':')
      return true;
  }
  return false;
}

// The host's field test against ":UA3A:" holds for this one text only.
bool isUa3a(std::string_view prefix) { return prefix == "UA3A"; }

void cutToShortString(std::string& text)
{
  if (text.size() > Q9X_SHORT_STRING_MAX) text.resize(Q9X_SHORT_STRING_MAX);
}

}  // namespace q9x
