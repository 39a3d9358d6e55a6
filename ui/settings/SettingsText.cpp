#include "ui/settings/SettingsText.h"

#include <QRegularExpression>
#include <QStringList>

namespace q9x {

int textToInt(const QString& text, int fallback)
{
  bool ok = false;
  const int value = text.toInt(&ok, 10);
  return ok ? value : fallback;
}

std::array<std::optional<int>, 4> textToFour(const QString& text)
{
  static const QRegularExpression separators(QStringLiteral("[, ]+"));
  const QStringList words = text.split(separators, Qt::SkipEmptyParts);
  std::array<std::optional<int>, 4> values;
  for (qsizetype i = 0; i < 4 && i < words.size(); ++i) {
    bool ok = false;
    const int value = words[i].toInt(&ok, 10);
    if (ok) values[static_cast<std::size_t>(i)] = value;
  }
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
