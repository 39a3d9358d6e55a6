#pragma once
// Texts from the database turned into the host's 8-bit text with the local
// 8-bit encoding, as QString::toLocal8Bit does, into a reused buffer so a
// long scan does not allocate a byte array per value.

#include <QString>
#include <QStringEncoder>
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

  // Whether valid UTF-8 comes out of the encoding exactly as it went in: the
  // local encoding is UTF-8 when it writes characters of every length so.
  bool isUtf8()
  {
    const char* probe = "A\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80";
    std::string out;
    assign(QString::fromUtf8(probe), out);
    return out == probe;
  }

 private:
  QStringEncoder encoder_{QStringConverter::System, QStringConverter::Flag::Stateless};
};

}  // namespace q9x
