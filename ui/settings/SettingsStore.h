#pragma once
// The per-user store of window settings, opened for one load or one save of
// one window's section. Every value in it is text.

#include <QString>
#include <memory>
#include <optional>
#include <stdexcept>

namespace q9x {

// A store failure; its text is what the user is shown.
class SettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The text of the named value, or nothing when the value is missing.
  // Throws SettingsError when the value exists but is not a text, or the
  // store cannot be read.
  virtual std::optional<QString> read(const QString& name) = 0;

  // Sets a text value; it lasts once commit() has succeeded.
  virtual void write(const QString& name, const QString& text) = 0;

  // Stores everything written, all of it or nothing; throws SettingsError
  // when the store cannot be written.
  virtual void commit() = 0;
};

// The store's key path for a host program: "Software\<host>".
QString settingsKeyPath(const QString& hostProgram);

// Opens the store at the key path, section by section. On Windows this is the
// registry under HKEY_CURRENT_USER; elsewhere one INI file per key path,
// <user config dir>/Software/<host>.conf.
std::unique_ptr<SettingsStore> openQSettingsStore(const QString& keyPath, const QString& section);

}  // namespace q9x
