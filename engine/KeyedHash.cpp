#include "engine/KeyedHash.h"

#include <random>

namespace q9x {

namespace {
struct Key {
  std::uint64_t k0;
  std::uint64_t k1;
};

Key processKey()
{
  std::random_device device;
  const auto draw = [&device] { return (std::uint64_t{device()} << 32) ^ device(); };
  return Key{draw(), draw()};
}

constexpr std::uint64_t rotl(std::uint64_t x, int b) { return (x << b) | (x >> (64 - b)); }

struct State {
  std::uint64_t v0, v1, v2, v3;

  void round()
  {
    v0 += v1; v1 = rotl(v1, 13); v1 ^= v0; v0 = rotl(v0, 32);
    v2 += v3; v3 = rotl(v3, 16); v3 ^= v2;
    v0 += v3; v3 = rotl(v3, 21); v3 ^= v0;
    v2 += v1; v1 = rotl(v1, 17); v1 ^= v2; v2 = rotl(v2, 32);
  }
  void absorb(std::uint64_t m)
  {
    v3 ^= m;
    round();
    v0 ^= m;
  }
};

std::uint64_t littleEndianWord(const char* bytes, std::size_t count)
{
  std::uint64_t word = 0;
  for (std::size_t i = 0; i < count; ++i)
    word |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
  return word;
}

const Key& secret()
{
  static const Key key = processKey();
  return key;
}
}  // namespace

std::uint64_t keyedHash(std::string_view bytes)
{
  const Key& key = secret();
  State s{0x736f6d6570736575ull ^ key.k0, 0x646f72616e646f6dull ^ key.k1,
          0x6c7967656e657261ull ^ key.k0, 0x7465646279746573ull ^ key.k1};
  const std::size_t whole = bytes.size() / 8 * 8;
  for (std::size_t at = 0; at < whole; at += 8) s.absorb(littleEndianWord(bytes.data() + at, 8));
  const std::uint64_t tail = littleEndianWord(bytes.data() + whole, bytes.size() - whole);
  s.absorb((std::uint64_t{bytes.size()} << 56) | tail);
  s.v2 ^= 0xff;
  s.round();
  s.round();
  s.round();
  return s.v0 ^ s.v1 ^ s.v2 ^ s.v3;
}

std::uint64_t keyedHash(std::uint64_t word)
{
  const Key& key = secret();
  word ^= key.k0;
  word ^= word >> 30;
  word *= 0xbf58476d1ce4e5b9ull;
  word ^= word >> 27;
  word *= 0x94d049bb133111ebull;
  word ^= word >> 31;
  return word;
}

}  // namespace q9x
