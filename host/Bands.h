#pragma once
// The host's band texts ("1.8" … "28", in MHz, as the plug-in reads them) from
// the ways other programs write a band: ADIF band names, MHz or kHz.

#include <QString>
#include <QStringList>
#include <optional>

namespace q9xhost {

// The nine band texts, lowest first.
const QStringList& bandTexts();

// "40m" (any letter case) is "7"; a band text itself is kept; "7.0" and
// "7.040" are read as MHz. Nothing for anything outside the nine bands.
std::optional<QString> bandFromName(const QString& name);

// The band a frequency lies in; nothing outside the nine bands.
std::optional<QString> bandFromMHz(const QString& mhz);
std::optional<QString> bandFromKHz(const QString& khz);

// The lowest frequency of a band text in kHz, as Cabrillo writes it; 0 for
// a text that is not one of the nine.
int bandEdgeKHz(const QString& band);

}  // namespace q9xhost
