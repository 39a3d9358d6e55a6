#include "ui/settings/win32/RegistryStore.h"

#include <windows.h>

#include <vector>

namespace q9x {

namespace {

class RegistryStore final : public SettingsStore {
 public:
  RegistryStore(const std::string& keyPath, const std::string& section) : section_(section)
  {
    // Opening the store makes the key path, as a first load does; a path
    // that cannot be made is read as empty and fails at the first write.
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_CREATE_SUB_KEY, nullptr, &root_, nullptr) != ERROR_SUCCESS &&
        ::RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &root_) != ERROR_SUCCESS)
      root_ = nullptr;
  }

  ~RegistryStore() override
  {
    if (readKey_) ::RegCloseKey(readKey_);
    if (writeKey_) ::RegCloseKey(writeKey_);
    if (root_) ::RegCloseKey(root_);
  }

  RegistryStore(const RegistryStore&) = delete;
  RegistryStore& operator=(const RegistryStore&) = delete;

  std::optional<std::string> read(const std::string& name) override
  {
    HKEY key = sectionForReading();
    if (!key) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    LSTATUS status = ::RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (status != ERROR_SUCCESS) throw failedToGetData(name);
    if (type != REG_SZ) throw invalidDataType(name);
    // Room for a terminator the value may lack.
    std::vector<char> data(size + 1, '\0');
    size = static_cast<DWORD>(data.size());
    status = ::RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    if (status != ERROR_SUCCESS) throw failedToGetData(name);
    if (type != REG_SZ) throw invalidDataType(name);
    return std::string(data.data());  // up to the first terminator
  }

  void write(const std::string& name, const std::string& text) override
  {
    HKEY key = sectionForWriting(name);
    if (::RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>(text.size() + 1)) != ERROR_SUCCESS)
      throw failedToSetData(name);
  }

  // Every value is in the registry once it is written.
  void commit() override {}

 private:
  // The section for reading, or null when it does not exist yet.
  HKEY sectionForReading()
  {
    if (!readKey_ && root_) {
      if (::RegOpenKeyExA(root_, section_.c_str(), 0, KEY_QUERY_VALUE, &readKey_) != ERROR_SUCCESS) readKey_ = nullptr;
    }
    return readKey_;
  }

  // The section for writing, made when it is not there. A section that
  // cannot be made is told apart from one that is there but refuses values.
  HKEY sectionForWriting(const std::string& name)
  {
    if (writeKey_) return writeKey_;
    HKEY made = nullptr;
    if (!root_ || ::RegCreateKeyExA(root_, section_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_QUERY_VALUE,
                                    nullptr, &made, nullptr) != ERROR_SUCCESS)
      throw failedToCreateKey(section_);
    ::RegCloseKey(made);
    if (::RegOpenKeyExA(root_, section_.c_str(), 0, KEY_SET_VALUE, &writeKey_) != ERROR_SUCCESS) {
      writeKey_ = nullptr;
      throw failedToSetData(name);
    }
    return writeKey_;
  }

  std::string section_;
  HKEY root_ = nullptr;
  HKEY readKey_ = nullptr;
  HKEY writeKey_ = nullptr;
};

}  // namespace

std::unique_ptr<SettingsStore> openRegistryStore(const std::string& keyPath, const std::string& section)
{
  return std::make_unique<RegistryStore>(keyPath, section);
}

}  // namespace q9x
