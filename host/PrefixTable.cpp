#include "host/PrefixTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace q9xhost {

namespace {
PrefixFileError errorAt(const QString& path, int line, const QString& what)
{
  return PrefixFileError(QString("%1, line %2: %3").arg(path).arg(line).arg(what).toStdString());
}

// "R[A-Z]3" becomes {"R", "ABC…Z", "3"}. Throws a plain message on a broken set.
std::vector<QString> positionsOf(const QString& pattern, int& sets)
{
  std::vector<QString> positions;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '[') {
      positions.push_back(QString(pattern[i]));
      continue;
    }
    const qsizetype end = pattern.indexOf(']', i);
    if (end < 0) throw std::invalid_argument("a letter set [ without ]");
    QString allowed;
    const QString body = pattern.mid(i + 1, end - i - 1);
    for (qsizetype k = 0; k < body.size(); ++k) {
      if (k + 2 < body.size() && body[k + 1] == '-') {
        for (char16_t c = body[k].unicode(); c <= body[k + 2].unicode(); ++c) allowed += QChar(c);
        k += 2;
      } else {
        allowed += body[k];
      }
    }
    if (allowed.isEmpty()) throw std::invalid_argument("an empty letter set");
    positions.push_back(allowed);
    ++sets;
    i = end;
  }
  return positions;
}

bool isPortableSuffix(const QString& part)
{
  static const QStringList suffixes = {"P", "M", "MM", "AM", "A", "QRP", "LH"};
  return suffixes.contains(part);
}
}  // namespace

QString prefixPartOf(const QString& callSign)
{
  QStringList parts = callSign.trimmed().toUpper().split('/', Qt::SkipEmptyParts);
  parts.removeIf(isPortableSuffix);
  if (parts.size() < 2) return parts.value(0);

  QString home = parts[0];
  const QString other = parts[1];
  if (other.size() == 1 && other[0].isDigit()) {
    // The call area digit is the last digit of the leading letters-and-digits.
    static const QRegularExpression prefix(QStringLiteral("^[A-Z0-9]*[0-9](?=[A-Z])"));
    const QRegularExpressionMatch match = prefix.match(home);
    if (match.hasMatch()) home[match.capturedLength() - 1] = other[0];
    return home;
  }
  return other.size() < home.size() ? other : home;
}

PrefixTable PrefixTable::load(const QString& path)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
    throw PrefixFileError(("Cannot read the prefix file " + path + ": " + file.errorString()).toStdString());
  PrefixTable table;
  int lineNumber = 0;
  while (!file.atEnd()) {
    ++lineNumber;
    const QString line = QString::fromUtf8(file.readLine()).section('#', 0, 0).trimmed();
    if (line.isEmpty()) continue;
    const QStringList fields = line.split(QRegularExpression(QStringLiteral("\\s+")));
    if (fields.size() != 3)
      throw errorAt(path, lineNumber,
                    "three fields expected: callsign prefix, main prefix, DXCC prefix");
    Entry entry;
    try {
      entry.positions = positionsOf(fields[0].toUpper(), entry.sets);
    } catch (const std::invalid_argument& e) {
      throw errorAt(path, lineNumber, QString::fromLatin1(e.what()));
    }
    entry.prefixes = {fields[1].toUpper(), fields[2].toUpper()};
    table.entries_.push_back(std::move(entry));
  }
  return table;
}

QString PrefixTable::defaultPath()
{
  return QCoreApplication::applicationDirPath() + "/q9x-host-prefixes.txt";
}

bool PrefixTable::matches(const Entry& entry, const QString& text)
{
  if (text.size() < static_cast<qsizetype>(entry.positions.size())) return false;
  for (size_t i = 0; i < entry.positions.size(); ++i)
    if (!entry.positions[i].contains(text[static_cast<qsizetype>(i)])) return false;
  return true;
}

std::optional<StationPrefixes> PrefixTable::lookup(const QString& callSign) const
{
  const QString text = prefixPartOf(callSign);
  const Entry* best = nullptr;
  for (const Entry& entry : entries_) {
    if (!matches(entry, text)) continue;
    if (!best || entry.positions.size() > best->positions.size() ||
        (entry.positions.size() == best->positions.size() && entry.sets < best->sets))
      best = &entry;
  }
  if (!best) return std::nullopt;
  return best->prefixes;
}

}  // namespace q9xhost
