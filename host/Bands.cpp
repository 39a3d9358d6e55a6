#include "host/Bands.h"

namespace q9xhost {

namespace {
struct Band {
  const char* text;
  const char* adifName;
  int lowKHz;
  int highKHz;
};

// Edges wide enough for every IARU region's allocation.
const Band kBands[] = {
    {"1.8", "160m", 1800, 2000},   {"3.5", "80m", 3500, 4000},   {"7", "40m", 7000, 7300},
    {"10", "30m", 10100, 10150},   {"14", "20m", 14000, 14350},  {"18", "17m", 18068, 18168},
    {"21", "15m", 21000, 21450},   {"24", "12m", 24890, 24990},  {"28", "10m", 28000, 29700},
};

std::optional<QString> bandAt(double khz)
{
  for (const Band& band : kBands)
    if (khz >= band.lowKHz && khz <= band.highKHz) return QString::fromLatin1(band.text);
  return std::nullopt;
}

std::optional<double> number(const QString& text)
{
  bool ok = false;
  const double value = text.trimmed().toDouble(&ok);
  return ok ? std::optional<double>(value) : std::nullopt;
}
}  // namespace

const QStringList& bandTexts()
{
  static const QStringList texts = [] {
    QStringList list;
    for (const Band& band : kBands) list << QString::fromLatin1(band.text);
    return list;
  }();
  return texts;
}

std::optional<QString> bandFromName(const QString& name)
{
  const QString trimmed = name.trimmed();
  for (const Band& band : kBands) {
    if (trimmed == QLatin1String(band.text)) return trimmed;
    if (trimmed.compare(QLatin1String(band.adifName), Qt::CaseInsensitive) == 0)
      return QString::fromLatin1(band.text);
  }
  return bandFromMHz(trimmed);
}

std::optional<QString> bandFromMHz(const QString& mhz)
{
  const std::optional<double> value = number(mhz);
  return value ? bandAt(*value * 1000.0) : std::nullopt;
}

std::optional<QString> bandFromKHz(const QString& khz)
{
  const std::optional<double> value = number(khz);
  return value ? bandAt(*value) : std::nullopt;
}

int bandEdgeKHz(const QString& band)
{
  for (const Band& entry : kBands)
    if (band == QLatin1String(entry.text)) return entry.lowKHz;
  return 0;
}

}  // namespace q9xhost
