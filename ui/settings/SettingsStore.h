#pragma once
// The per-user store of window settings, opened for one load or one save of
// one window's section under the host program's key path. Every value in it
// is text; names and texts are in the front-end's own encoding.

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace q9x {

// A store failure; its text is what the user is shown.
class SettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The failures every store reports, in the words the user is shown.
SettingsError invalidDataType(const std::string& valueName);  // a value that is not a text
SettingsError failedToGetData(const std::string& valueName);  // the store cannot be read
SettingsError failedToCreateKey(const std::string& section);  // the section cannot be made
SettingsError failedToSetData(const std::string& valueName);  // a value cannot be written

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The text of the named value, or nothing when the value is missing.
  // Throws SettingsError when the value exists but is not a text, or the
  // store cannot be read.
  virtual std::optional<std::string> read(const std::string& name) = 0;

  // Sets a text value; it lasts once commit() has succeeded. A store that
  // writes at once may throw SettingsError here.
  virtual void write(const std::string& name, const std::string& text) = 0;

  // Stores everything written; throws SettingsError when the store cannot be
  // written. Closing the store without a commit stores nothing more.
  virtual void commit() = 0;
};

// The store's key path for a host program: "Software\<host>".
std::string settingsKeyPath(const std::string& hostProgram);

}  // namespace q9x
