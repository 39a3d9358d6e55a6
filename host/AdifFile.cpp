// ADIF (.adi): fields written as <NAME:LENGTH>value or <NAME:LENGTH:TYPE>value,
// a record ended by <EOR>, an optional header ended by <EOH>.

#include <QHash>
#include <cmath>

#include "host/Bands.h"
#include "host/LogFile.h"

namespace q9xhost {

namespace {
struct AdifField {
  QString value;
  int line = 0;
};

class AdifReader {
 public:
  AdifReader(const QString& path, const QString& text) : path_(path), text_(text) {}

  std::vector<ImportedContact> read()
  {
    std::vector<ImportedContact> contacts;
    const qsizetype header = text_.indexOf(QLatin1String("<EOH>"), 0, Qt::CaseInsensitive);
    if (header >= 0) advanceTo(header + 5);
    QHash<QString, AdifField> record;
    int recordLine = 0;
    while (true) {
      const qsizetype open = text_.indexOf('<', pos_);
      if (open < 0) break;
      advanceTo(open);
      const int tagLine = line_;
      const qsizetype close = text_.indexOf('>', open);
      if (close < 0) throw importErrorAt(path_, tagLine, {}, "a tag without its closing >");
      const QStringList parts = text_.mid(open + 1, close - open - 1).split(':');
      const QString name = parts[0].trimmed().toUpper();
      advanceTo(close + 1);
      if (name == QLatin1String("EOR")) {
        if (!record.isEmpty()) contacts.push_back(contactOf(record, recordLine));
        record.clear();
        continue;
      }
      if (parts.size() < 2) throw importErrorAt(path_, tagLine, name, "the tag has no length");
      bool ok = false;
      const int length = parts[1].trimmed().toInt(&ok);
      if (!ok || length < 0)
        throw importErrorAt(path_, tagLine, name, "the length \"" + parts[1] + "\" is not a number");
      if (pos_ + length > text_.size())
        throw importErrorAt(path_, tagLine, name, "the value runs past the end of the file");
      if (record.isEmpty()) recordLine = tagLine;
      record.insert(name, {text_.mid(pos_, length), tagLine});
      advanceTo(pos_ + length);
    }
    if (!record.isEmpty())
      throw importErrorAt(path_, recordLine, {}, "the last record has no <EOR>");
    return contacts;
  }

 private:
  // Moves on in the text, counting the lines passed.
  void advanceTo(qsizetype to)
  {
    for (; pos_ < to; ++pos_)
      if (text_[pos_] == '\n') ++line_;
  }

  ImportedContact contactOf(const QHash<QString, AdifField>& record, int recordLine) const
  {
    ImportedContact contact;
    contact.lineNumber = recordLine;
    auto given = [&](const char* name) { return record.value(QString::fromLatin1(name)).value.trimmed(); };
    auto lineOf = [&](const char* name) {
      return record.contains(QString::fromLatin1(name)) ? record.value(QString::fromLatin1(name)).line
                                                        : recordLine;
    };

    if (given("CALL").isEmpty()) throw importErrorAt(path_, recordLine, "CALL", "the callsign is missing");
    const QString date = given("QSO_DATE");
    if (!date.isEmpty()) {
      if (date.size() != 8) throw importErrorAt(path_, lineOf("QSO_DATE"), "QSO_DATE", "\"" + date + "\" is not YYYYMMDD");
      contact.set("QSODate", date.left(4) + '-' + date.mid(4, 2) + '-' + date.mid(6, 2));
    }
    const QString time = given("TIME_ON");
    if (!time.isEmpty()) {
      if (time.size() != 4 && time.size() != 6)
        throw importErrorAt(path_, lineOf("TIME_ON"), "TIME_ON", "\"" + time + "\" is not HHMM or HHMMSS");
      contact.set("QSOTime", time.left(2) + ':' + time.mid(2, 2));
    }

    const QString freq = given("FREQ");
    if (!freq.isEmpty()) {
      bool ok = false;
      const double mhz = freq.toDouble(&ok);
      if (!ok) throw importErrorAt(path_, lineOf("FREQ"), "FREQ", "\"" + freq + "\" is not a frequency in MHz");
      contact.set("Frequency", QString::number(std::round(mhz * 1000.0 * 100.0) / 100.0, 'f', -1));
    }
    contact.set("CallSign", given("CALL"));
    const QString band = given("BAND");
    if (!band.isEmpty()) {
      const std::optional<QString> text = bandFromName(band);
      if (!text)
        throw importErrorAt(path_, lineOf("BAND"), "BAND",
                            "\"" + band + "\" is not one of the nine contest bands (160m … 10m)");
      contact.set("DigiBand", *text);
    } else if (!freq.isEmpty()) {
      const std::optional<QString> text = bandFromMHz(freq);
      if (!text)
        throw importErrorAt(path_, lineOf("FREQ"), "FREQ", freq + " MHz lies outside the nine contest bands");
      contact.set("DigiBand", *text);
    } else {
      throw importErrorAt(path_, recordLine, "BAND", "neither BAND nor FREQ is given");
    }
    // Digital modes sit under a mode family in ADIF 3 (MFSK with submode FT4).
    const QString mode = given("SUBMODE").isEmpty() ? given("MODE") : given("SUBMODE");
    if (mode.isEmpty()) throw importErrorAt(path_, recordLine, "MODE", "the mode is missing");
    contact.set("QSOMode", mode);
    if (!given("CONT").isEmpty()) contact.set("Continent", given("CONT"));
    const QString exchange =
        given("SRX_STRING").isEmpty() ? (given("RST_RCVD") + ' ' + given("SRX")).trimmed() : given("SRX_STRING");
    contact.set("QSOReportRecived", exchange);
    return contact;
  }

  const QString& path_;
  const QString& text_;
  qsizetype pos_ = 0;
  int line_ = 1;
};
}  // namespace

std::vector<ImportedContact> readAdif(const QString& path, const QString& text)
{
  return AdifReader(path, text).read();
}

}  // namespace q9xhost
