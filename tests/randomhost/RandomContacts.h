#pragma once
// What a random host sends: mostly what a logger sends, now and then a field
// of random bytes. Plain C++, shared by the random hosts of the Linux library
// and of the Windows DLL, so that both try the same kinds of contact.

#include <cstring>
#include <initializer_list>
#include <iterator>
#include <random>
#include <string>

#include "tests/randomhost/ContestModel.h"

namespace q9xtest {

class RandomContacts {
 public:
  explicit RandomContacts(unsigned long long seed) : random_(seed) {}

  int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
  std::string pickOf(std::initializer_list<const char*> texts)
  {
    return *std::next(texts.begin(), pick(static_cast<int>(texts.size())));
  }
  std::string bytes(std::size_t maxLength)
  {
    std::string s(static_cast<std::size_t>(pick(static_cast<int>(maxLength) + 1)), '\0');
    for (char& ch : s) ch = static_cast<char>(pick(256));
    return s;
  }
  std::string letters(const char* alphabet, int n)
  {
    std::string s;
    for (int i = 0; i < n; ++i) s += alphabet[pick(static_cast<int>(std::strlen(alphabet)))];
    return s;
  }

  // Mostly what a logger sends; now and then a field of random bytes.
  ModelContact contact(bool& printable)
  {
    ModelContact c;
    c.call = pickOf({"UA3ABC", "UA3ABC/P", "RA3CX", "RW3DA", "UA2FZ", "R3AA", "DL1ABC", "OK2XY",
                     "ua3abc", "UA3", "UA3ABD", "RV3BB", "EA5ZZ", "G4AAA"});
    c.band = pickOf({"1.8", "3.5", "3.5", "3.5", "7", "7", "7", "10", "14", "18", "21", "24", "28",
                     "7 ", "3.5:7", ""});
    c.mode = pickOf({"CW", "CW", "SSB", "DIGI", "cw"});
    c.mainPrefix = pickOf({"UA3A", "UA3A", "UA3K", "RA3C", "UA2", "RW3D", "R3", "DL", "ua3a", "UA3A "});
    c.dxcc = pickOf({"UA3A", "UA3A", " ua3a ", "UA", "DL"});
    switch (pick(6)) {
      case 0: c.report = "599 " + letters("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 2); break;
      case 1: c.report = "59 " + letters("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", 4); break;
      case 2: c.report = "599 " + letters("abcdefghijklmnopqrstuvwxyz", 2) + " "; break;
      case 3: c.report = "5NN-" + letters("0123456789", 2); break;
      case 4: c.report = letters("AB12 -", pick(8)); break;
      default: c.report = "599 AB"; break;
    }
    printable = pick(10) != 0;
    if (!printable) {
      std::string* fields[] = {&c.call, &c.band, &c.mode, &c.report, &c.mainPrefix, &c.dxcc};
      *fields[pick(6)] = bytes(255);
    }
    return c;
  }

 private:
  std::mt19937_64 random_;
};

}  // namespace q9xtest
