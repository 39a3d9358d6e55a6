#pragma once
// Stored settings of one window: its named values (StoredValues).

#include <QString>
#include <QVariant>
#include <vector>

namespace q9x {

// A named value; names are unique within their list, compared without regard
// to letter case. An invalid QVariant is the empty value.
struct TStoredValue {
  QString Name;
  QVariant Value;
};

class TFormStorage {
 public:
  explicit TFormStorage(std::vector<TStoredValue> storedValues = {});

  // The value with that name, or the null value when there is none.
  QVariant ValueByName(const QString& name) const;
  // Sets the named value, appending it when there is none. Changes only memory.
  void SetValueByName(const QString& name, const QVariant& value);

  const std::vector<TStoredValue>& StoredValues() const { return values_; }

 private:
  std::vector<TStoredValue> values_;
};

}  // namespace q9x
