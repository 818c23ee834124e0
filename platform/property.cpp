#include "platform/property.h"

#include "platform/qt/dispatch.h"

namespace platform {

namespace {
constexpr const char* KindName(PropertyValue::Kind kind) {
  switch (kind) {
    case PropertyValue::Kind::Boolean: return "Boolean";
    case PropertyValue::Kind::Integer: return "integer";
    case PropertyValue::Kind::Double: return "number";
    case PropertyValue::Kind::Text: return "text";
    case PropertyValue::Kind::Colour: return "colour";
  }
  return "?";
}

template <class T>
const T& As(const std::variant<bool, std::int64_t, double, std::string, Color>& v, PropertyValue::Kind wanted) {
  if (const T* p = std::get_if<T>(&v)) return *p;
  throw PropertyException(std::string("expected a ") + KindName(wanted) + " value");
}
}  // namespace

bool PropertyValue::Boolean() const { return As<bool>(value_, Kind::Boolean); }
std::int64_t PropertyValue::Integer() const { return As<std::int64_t>(value_, Kind::Integer); }
double PropertyValue::Number() const {
  if (const auto* i = std::get_if<std::int64_t>(&value_)) return static_cast<double>(*i);
  return As<double>(value_, Kind::Double);
}
const std::string& PropertyValue::Text() const { return As<std::string>(value_, Kind::Text); }
Color PropertyValue::Colour() const { return As<Color>(value_, Kind::Colour); }

void PropertyHolder::SetProperty(std::string_view name, const PropertyValue& value) {
  // Setters reach widgets, which belong to the main thread.
  detail::RequireMainThread();
  const PropertyTable& table = Properties();
  auto it = table.find(name);
  if (it == table.end()) throw PropertyException(Class().name + " has no property " + std::string(name));
  const PropertySetter& setter = it->second;
  bool fits = value.kind() == setter.kind ||
              (setter.kind == PropertyValue::Kind::Double && value.kind() == PropertyValue::Kind::Integer);
  if (!fits)
    throw PropertyException(Class().name + "." + std::string(name) + " takes a " + KindName(setter.kind) +
                            " value, not a " + KindName(value.kind()));
  values_.insert_or_assign(std::string(name), value);
  if (setter.apply != nullptr) setter.apply(*this, value);
}

const PropertyValue* PropertyHolder::Property(std::string_view name) const {
  auto it = values_.find(name);
  return it == values_.end() ? nullptr : &it->second;
}

PropertyTable MergeTables(const PropertyTable& base, std::initializer_list<PropertyTable::value_type> own) {
  PropertyTable merged = base;
  for (const auto& entry : own) merged.insert_or_assign(entry.first, entry.second);
  return merged;
}

void SetProperties(PropertyHolder& object, const PropertyBlock& block) {
  for (const auto& [name, value] : block) object.SetProperty(name, value);
}

}  // namespace platform
