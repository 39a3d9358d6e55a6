#pragma once
// Text forms of the stored window settings: every value in the store is text,
// numbers are decimal, rectangles are four numbers separated by commas.

#include <QSize>
#include <QString>
#include <QVariant>
#include <array>
#include <optional>

namespace q9x {

// The decimal number the text holds, or fallback when it holds none. A number
// beyond the range of int reads as the nearest int.
int textToInt(const QString& text, int fallback);

// Words 1 to 4 of text as numbers, separated by commas or blanks (runs of
// separators count as one); nothing for a missing or non-numeric word.
// Numbers beyond the range of int read as the nearest int.
std::array<std::optional<int>, 4> textToFour(const QString& text);

// "a,b,c,d".
QString fourToText(const std::array<int, 4>& values);

// "(WxH)": appended to the position names so that each screen size keeps its own.
QString screenSuffix(QSize screen);

// The stored text of a named value: decimal for an integer, the text itself
// for a text, empty for the empty value.
QString storedValueText(const QVariant& value);

}  // namespace q9x
