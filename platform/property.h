#pragma once
// Property blocks: an object's properties as an ordered list of (name, value), set in order by
// one call of SetProperties. Each class lists the properties it knows with their kinds; a name
// it does not know, or a value of another kind, raises at once, so a slip in a layout table
// fails loudly instead of vanishing.

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "platform/object.h"

namespace platform {

// A 32-bit colour, 0x00RRGGBB.
struct Color {
  std::uint32_t value = 0;
  friend bool operator==(Color, Color) = default;
};

class PropertyValue {
 public:
  enum class Kind { Boolean, Integer, Double, Text, Colour };

  PropertyValue(bool b) : value_(b) {}
  template <std::integral I>
    requires(!std::same_as<I, bool>)
  PropertyValue(I i) : value_(static_cast<std::int64_t>(i)) {}
  PropertyValue(double d) : value_(d) {}
  PropertyValue(const char* s) : value_(std::string(s)) {}
  PropertyValue(std::string s) : value_(std::move(s)) {}
  PropertyValue(Color c) : value_(c) {}

  Kind kind() const { return static_cast<Kind>(value_.index()); }
  // Each raises PropertyException for a value of another kind.
  bool Boolean() const;
  std::int64_t Integer() const;
  double Number() const;  // an integer is a valid number (FontSize 12)
  const std::string& Text() const;
  Color Colour() const;

  friend bool operator==(const PropertyValue&, const PropertyValue&) = default;

 private:
  std::variant<bool, std::int64_t, double, std::string, Color> value_;
};

using PropertyBlock = std::vector<std::pair<std::string, PropertyValue>>;

// What a class does with one property: check the value's kind, then apply it.
struct PropertySetter {
  PropertyValue::Kind kind;
  void (*apply)(Object&, const PropertyValue&);  // null: stored only
};
using PropertyTable = std::map<std::string, PropertySetter, std::less<>>;

// An object whose properties can be set by name. Every value set is kept, so the object can
// be asked for it later.
class PropertyHolder : public Object {
 public:
  virtual ~PropertyHolder() = default;
  void SetProperty(std::string_view name, const PropertyValue& value);
  // The value last set, or nullptr.
  const PropertyValue* Property(std::string_view name) const;

 protected:
  // The class's own table; a derived class's table includes its base's (see MergeTables).
  virtual const PropertyTable& Properties() const = 0;

 private:
  std::map<std::string, PropertyValue, std::less<>> values_;
};

PropertyTable MergeTables(const PropertyTable& base, std::initializer_list<PropertyTable::value_type> own);

void SetProperties(PropertyHolder& object, const PropertyBlock& block);

}  // namespace platform
