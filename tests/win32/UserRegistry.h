#pragma once
// The current user's registry as the tests see it: every test of a program
// that links UserRegistry.cpp starts on an empty one of its own (the
// process's HKEY_CURRENT_USER is pointed at a fresh key, removed afterwards),
// so that stored window settings never leak from one test or program into
// another. A child process started with the environment variable
// Q9X_TEST_USER_KEY shares the parent's.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace q9xtest {

// The name of the environment variable that hands the key to a child process.
inline constexpr const char* kUserKeyVariable = "Q9X_TEST_USER_KEY";
// The real key that stands for HKEY_CURRENT_USER in this test.
std::string userKeyPath();

// A value as the registry holds it: its type and its data as bytes.
struct RegistryValue {
  DWORD type = REG_NONE;
  std::string data;
};
// HKEY_CURRENT_USER\Software\<host>\<section>'s value, or nothing.
std::optional<RegistryValue> storedValue(const std::string& host, const std::string& section, const std::string& name);
// The text of a REG_SZ value, or nothing when it is missing or of another type.
std::optional<std::string> storedText(const std::string& host, const std::string& section, const std::string& name);
// The names of a section's values, in the registry's order.
std::vector<std::string> storedNames(const std::string& host, const std::string& section);
// Writes a value, making the section when needed.
void store(const std::string& host, const std::string& section, const std::string& name, const std::string& text);
void storeDword(const std::string& host, const std::string& section, const std::string& name, DWORD value);

// This test program's executable name without folder and extension.
std::string thisHost();

}  // namespace q9xtest
