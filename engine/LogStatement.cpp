#include "engine/LogStatement.h"

#include <stdexcept>

namespace q9x {

namespace {
bool isSpace(char c) { return c == ' ' || c == '\t'; }
bool startsPlainName(unsigned char c)
{
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}
bool continuesPlainName(unsigned char c) { return startsPlainName(c) || (c >= '0' && c <= '9') || c == '$'; }

// Moves past one part of the name; false when there is none at `at`.
bool skipPart(std::string_view name, std::size_t& at)
{
  if (at == name.size()) return false;
  const char open = name[at];
  const char close = open == '"' ? '"' : open == '`' ? '`' : open == '[' ? ']' : '\0';
  if (close == '\0') {
    if (!startsPlainName(static_cast<unsigned char>(open))) return false;
    while (++at < name.size() && continuesPlainName(static_cast<unsigned char>(name[at]))) {
    }
    return true;
  }
  // A quoted part ends at its closing quote; a doubled quote stands for one.
  for (++at; at < name.size(); ++at) {
    if (name[at] == '\0') return false;
    if (name[at] != close) continue;
    if (close != ']' && at + 1 < name.size() && name[at + 1] == close) {
      ++at;
      continue;
    }
    ++at;
    return true;
  }
  return false;
}

void skipSpaces(std::string_view name, std::size_t& at)
{
  while (at < name.size() && isSpace(name[at])) ++at;
}
}  // namespace

bool isTableName(std::string_view name)
{
  std::size_t at = 0;
  for (;;) {
    skipSpaces(name, at);
    if (!skipPart(name, at)) return false;
    skipSpaces(name, at);
    if (at == name.size()) return true;
    if (name[at++] != '.') return false;
  }
}

std::string logStatement(std::string_view table)
{
  if (!isTableName(table))
    throw std::runtime_error("TableName '" + std::string(table) +
                             "' is not a table name: only a plain, quoted or schema-qualified name is read");
  return "Select * from " + std::string(table) + " order by CallSign";
}

}  // namespace q9x
