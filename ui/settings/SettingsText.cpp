#include "ui/settings/SettingsText.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <climits>

namespace q9x {

namespace {

// Only a sign and digits, with blanks around them.
bool isDecimal(QStringView text)
{
  text = text.trimmed();
  if (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'))) text = text.mid(1);
  return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

std::optional<int> saturatedInt(const QString& text)
{
  bool ok = false;
  const qlonglong value = text.toLongLong(&ok, 10);
  if (ok) return static_cast<int>(std::clamp<qlonglong>(value, INT_MIN, INT_MAX));
  if (!isDecimal(text)) return std::nullopt;
  return text.trimmed().startsWith(QLatin1Char('-')) ? INT_MIN : INT_MAX;
}

}  // namespace

int textToInt(const QString& text, int fallback) { return saturatedInt(text).value_or(fallback); }

std::array<std::optional<int>, 4> textToFour(const QString& text)
{
  static const QRegularExpression separators(QStringLiteral("[, ]+"));
  const QStringList words = text.split(separators, Qt::SkipEmptyParts);
  std::array<std::optional<int>, 4> values;
  for (qsizetype i = 0; i < 4 && i < words.size(); ++i) values[static_cast<std::size_t>(i)] = saturatedInt(words[i]);
  return values;
}

QString fourToText(const std::array<int, 4>& values)
{
  return QStringLiteral("%1,%2,%3,%4").arg(values[0]).arg(values[1]).arg(values[2]).arg(values[3]);
}

QString screenSuffix(QSize screen)
{
  return QStringLiteral("(%1x%2)").arg(screen.width()).arg(screen.height());
}

QString storedValueText(const QVariant& value)
{
  return value.isValid() ? value.toString() : QString();
}

}  // namespace q9x
