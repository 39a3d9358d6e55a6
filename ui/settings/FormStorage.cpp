#include "ui/settings/FormStorage.h"

namespace q9x {

TFormStorage::TFormStorage(std::vector<TStoredValue> storedValues)
    : values_(std::move(storedValues))
{
}

QVariant TFormStorage::ValueByName(const QString& name) const
{
  for (const TStoredValue& v : values_)
    if (v.Name.compare(name, Qt::CaseInsensitive) == 0) return v.Value;
  return {};
}

void TFormStorage::SetValueByName(const QString& name, const QVariant& value)
{
  for (TStoredValue& v : values_)
    if (v.Name.compare(name, Qt::CaseInsensitive) == 0) {
      v.Value = value;
      return;
    }
  values_.push_back({name, value});
}

}  // namespace q9x
