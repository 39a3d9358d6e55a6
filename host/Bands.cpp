#include "host/Bands.h"

#include <iterator>

#include "engine/Bands.h"

namespace q9xhost {

namespace {
struct Band {
  const char* adifName;
  int lowKHz;
  int highKHz;
};

// The contest's bands in their order, with edges wide enough for every IARU
// region's allocation.
const Band kBands[] = {
    {"160m", 1800, 2000},   {"80m", 3500, 4000},    {"40m", 7000, 7300},
    {"30m", 10100, 10150},  {"20m", 14000, 14350},  {"17m", 18068, 18168},
    {"15m", 21000, 21450},  {"12m", 24890, 24990},  {"10m", 28000, 29700},
};
static_assert(std::size(kBands) == q9x::BandNames.size());

QString textOf(const Band& band)
{
  const std::string_view text = q9x::BandNames[static_cast<std::size_t>(&band - kBands)];
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<QString> bandAt(double khz)
{
  for (const Band& band : kBands)
    if (khz >= band.lowKHz && khz <= band.highKHz) return textOf(band);
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
    for (const Band& band : kBands) list << textOf(band);
    return list;
  }();
  return texts;
}

std::optional<QString> bandFromName(const QString& name)
{
  const QString trimmed = name.trimmed();
  for (const Band& band : kBands) {
    if (trimmed == textOf(band)) return trimmed;
    if (trimmed.compare(QLatin1String(band.adifName), Qt::CaseInsensitive) == 0)
      return textOf(band);
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
    if (band == textOf(entry)) return entry.lowKHz;
  return 0;
}

}  // namespace q9xhost
