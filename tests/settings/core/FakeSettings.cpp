#include "FakeSettings.h"

namespace q9x::test {

namespace {

class FakeStore final : public SettingsStore {
 public:
  FakeStore(FakeRegistry& registry, std::string section) : registry_(registry), section_(std::move(section))
  {
    registry_.written.clear();
  }

  std::optional<std::string> read(const std::string& name) override
  {
    if (registry_.unreadable) throw failedToGetData(name);
    if (registry_.foreignValues.count(name)) throw invalidDataType(name);
    const auto section = registry_.sections.find(section_);
    if (section == registry_.sections.end()) return std::nullopt;
    const auto found = section->second.find(name);
    if (found == section->second.end()) return std::nullopt;
    return found->second;
  }
  void write(const std::string& name, const std::string& text) override
  {
    registry_.written.push_back(name);
    pending_[name] = text;
  }
  void commit() override
  {
    if (registry_.unwritable) throw failedToCreateKey(section_);
    for (const auto& [name, text] : pending_) registry_.sections[section_][name] = text;
    registry_.foreignValues.clear();
  }

 private:
  FakeRegistry& registry_;
  std::string section_;
  std::map<std::string, std::string> pending_;
};

}  // namespace

FakePlatform::FakePlatform(FakeRegistry& registry)
{
  platform.hostProgramName = [this] { return host; };
  platform.screenSize = [this] { return screen; };
  platform.pixelsPerInch = [this] { return pixelsPerInch; };
  platform.availableAreas = [this] { return areas; };
  platform.openStore = [&registry](const std::string& keyPath, const std::string& section) {
    registry.keyPaths.push_back(keyPath);
    return std::unique_ptr<SettingsStore>(new FakeStore(registry, section));
  };
}

}  // namespace q9x::test
