#include "platform/win32/HostText.h"

#include <windows.h>

#include <algorithm>
#include <limits>

namespace q9x {

void toHostText(std::wstring_view text, std::string& into)
{
  // Longer texts than an int can count are cut; no host text comes near it.
  const int length = static_cast<int>(std::min<std::size_t>(text.size(), std::numeric_limits<int>::max()));
  if (length == 0) {
    into.clear();
    return;
  }
  const int bytes = ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  into.resize(static_cast<std::size_t>(bytes));
  ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, into.data(), bytes, nullptr, nullptr);
}

std::string toHostText(std::wstring_view text)
{
  std::string result;
  toHostText(text, result);
  return result;
}

std::wstring fromHostText(std::string_view text)
{
  const int length = static_cast<int>(std::min<std::size_t>(text.size(), std::numeric_limits<int>::max()));
  if (length == 0) return {};
  std::wstring result(static_cast<std::size_t>(::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0)), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, result.data(), static_cast<int>(result.size()));
  return result;
}

std::wstring widenAscii(std::string_view text) { return std::wstring(text.begin(), text.end()); }

}  // namespace q9x
