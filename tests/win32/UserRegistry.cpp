#include "tests/win32/UserRegistry.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace q9xtest {

namespace {

HKEY overrideKey = nullptr;
std::string overridePath;
bool ownsKey = false;

void pointUserRegistryAt(const std::string& path)
{
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS ||
      ::RegOverridePredefKey(HKEY_CURRENT_USER, key) != ERROR_SUCCESS)
    throw std::runtime_error("cannot give the test a user registry of its own");
  overrideKey = key;
  overridePath = path;
}

void restoreUserRegistry()
{
  if (!overrideKey) return;
  ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  ::RegCloseKey(overrideKey);
  overrideKey = nullptr;
  if (ownsKey) ::RegDeleteTreeA(HKEY_CURRENT_USER, overridePath.c_str());
}

class FreshUserRegistry final : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override
  {
    char shared[512] = {};
    if (::GetEnvironmentVariableA(kUserKeyVariable, shared, sizeof(shared)) > 0) {
      ownsKey = false;
      pointUserRegistryAt(shared);
      return;
    }
    static int tests = 0;
    ownsKey = true;
    pointUserRegistryAt("Software\\Q9XTests\\" + std::to_string(::GetCurrentProcessId()) + "-" +
                        std::to_string(++tests));
  }
  void OnTestEnd(const ::testing::TestInfo&) override { restoreUserRegistry(); }
};

const bool listening = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshUserRegistry);
  return true;
}();

std::string sectionPath(const std::string& host, const std::string& section)
{
  return "Software\\" + host + "\\" + section;
}

}  // namespace

std::string userKeyPath() { return overridePath; }

std::optional<RegistryValue> storedValue(const std::string& host, const std::string& section, const std::string& name)
{
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, sectionPath(host, section).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return std::nullopt;
  RegistryValue value;
  DWORD size = 0;
  std::optional<RegistryValue> found;
  if (::RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
    value.data.resize(size);
    ::RegQueryValueExA(key, name.c_str(), nullptr, &value.type, reinterpret_cast<BYTE*>(value.data.data()), &size);
    value.data.resize(size);
    found = value;
  }
  ::RegCloseKey(key);
  return found;
}

std::optional<std::string> storedText(const std::string& host, const std::string& section, const std::string& name)
{
  const std::optional<RegistryValue> value = storedValue(host, section, name);
  if (!value || value->type != REG_SZ) return std::nullopt;
  return std::string(value->data.c_str());
}

std::vector<std::string> storedNames(const std::string& host, const std::string& section)
{
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, sectionPath(host, section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return names;
  char name[256];
  for (DWORD k = 0;; ++k) {
    DWORD length = sizeof(name);
    if (::RegEnumValueA(key, k, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  ::RegCloseKey(key);
  return names;
}

namespace {
void storeRaw(const std::string& host, const std::string& section, const std::string& name, DWORD type,
              const BYTE* data, DWORD size)
{
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, sectionPath(host, section).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    throw std::runtime_error("cannot make the section " + section);
  ::RegSetValueExA(key, name.c_str(), 0, type, data, size);
  ::RegCloseKey(key);
}
}  // namespace

void store(const std::string& host, const std::string& section, const std::string& name, const std::string& text)
{
  storeRaw(host, section, name, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
           static_cast<DWORD>(text.size() + 1));
}

void storeDword(const std::string& host, const std::string& section, const std::string& name, DWORD value)
{
  storeRaw(host, section, name, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

std::string thisHost()
{
  char program[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, program, MAX_PATH);
  std::string name = program;
  name = name.substr(name.find_last_of("\\/") + 1);
  return name.substr(0, name.find_last_of('.'));
}

}  // namespace q9xtest
