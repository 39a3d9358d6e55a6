#pragma once
// Texts from the database turned into the host's 8-bit text with the local
// 8-bit encoding, as QString::toLocal8Bit does, into a reused buffer so a
// long scan does not allocate a byte array per value.

#include <QByteArrayView>
#include <QString>
#include <QStringEncoder>
#include <cstddef>
#include <string>

namespace q9x {

class LocalText {
 public:
  void assign(const QString& text, std::string& into)
  {
    into.resize(static_cast<std::size_t>(encoder_.requiredSpace(text.size())));
    char* end = encoder_.appendToBuffer(into.data(), text);
    into.resize(static_cast<std::size_t>(end - into.data()));
  }

  // Whether the database's UTF-8 text comes out of the local encoding byte
  // for byte, so that it may be taken as it is. ASCII, nearly all of a log,
  // is told by one pass over the bytes; only other text goes to Qt's check.
  bool keepsUtf8(const char* text, std::size_t size) const
  {
    if (!isUtf8_) return false;
    unsigned char bits = 0;
    for (std::size_t i = 0; i < size; ++i) bits |= static_cast<unsigned char>(text[i]);
    return bits < 0x80 || QByteArrayView(text, static_cast<qsizetype>(size)).isValidUtf8();
  }

 private:
  // Whether valid UTF-8 comes out of the encoding exactly as it went in: the
  // local encoding is UTF-8 when it writes characters of every length so.
  bool probeUtf8()
  {
    const char* probe = "A\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80";
    std::string out;
    assign(QString::fromUtf8(probe), out);
    return out == probe;
  }

  QStringEncoder encoder_{QStringConverter::System, QStringConverter::Flag::Stateless};
  bool isUtf8_ = probeUtf8();
};

}  // namespace q9x
