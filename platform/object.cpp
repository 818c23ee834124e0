#include "platform/object.h"

#include <algorithm>
#include <map>

namespace platform {

bool ClassRecord::IsA(const ClassRecord& other) const {
  for (const ClassRecord* c = this; c != nullptr; c = c->base)
    if (c == &other) return true;
  return false;
}

const EventBinding* ClassRecord::Binding(std::string_view event) const {
  for (const ClassRecord* c = this; c != nullptr; c = c->base) {
    auto it = std::find_if(c->events.begin(), c->events.end(), [&](const EventBinding& b) { return b.event == event; });
    if (it != c->events.end()) return &*it;
  }
  return nullptr;
}

bool ClassRecord::IsEventImplemented(std::string_view event) const { return Binding(event) != nullptr; }

namespace {
// Records are never removed, so references to them stay valid for the process.
std::map<std::string, std::unique_ptr<ClassRecord>, std::less<>>& Classes() {
  static std::map<std::string, std::unique_ptr<ClassRecord>, std::less<>> classes;
  return classes;
}
}  // namespace

const ClassRecord& RuntimeRegisterClass(ClassRecord record) {
  auto& classes = Classes();
  auto it = classes.find(record.name);
  if (it == classes.end()) {
    std::string name = record.name;
    it = classes.emplace(std::move(name), std::make_unique<ClassRecord>(std::move(record))).first;
  }
  return *it->second;
}

const ClassRecord* RuntimeFindClass(std::string_view name) {
  auto& classes = Classes();
  auto it = classes.find(name);
  return it == classes.end() ? nullptr : it->second.get();
}

const ClassRecord& RuntimeLookupClass(std::string_view name, void (*ctblinit)()) {
  if (RuntimeFindClass(name) == nullptr) ctblinit();
  const ClassRecord* record = RuntimeFindClass(name);
  if (record == nullptr) throw RuntimeException("no class record named " + std::string(name));
  return *record;
}

std::shared_ptr<Object> RuntimeNewObject(const ClassRecord& record) {
  if (!record.make) throw RuntimeException("class " + record.name + " cannot be instantiated");
  std::shared_ptr<Object> object = record.make();
  object->class_ = &record;
  return object;
}

Object& RuntimeCheckCast(Object* object, const ClassRecord& cls) {
  if (object == nullptr) throw NilObjectException("nil object where a " + cls.name + " was expected");
  if (!object->Class().IsA(cls)) throw IllegalCastException("a " + object->Class().name + " is not a " + cls.name);
  return *object;
}

namespace {
template <class Handler, class... Args>
std::optional<bool> Raise(Object& object, std::string_view event, Args&&... args) {
  const EventBinding* binding = object.Class().Binding(event);
  if (binding == nullptr) return std::nullopt;
  const Handler* handler = std::get_if<Handler>(&binding->handler);
  if (handler == nullptr)
    throw RuntimeException(object.Class().name + " binds " + std::string(event) + " with the wrong signature");
  if constexpr (std::is_void_v<decltype((*handler)(object, std::forward<Args>(args)...))>) {
    (*handler)(object, std::forward<Args>(args)...);
    return false;
  } else {
    return (*handler)(object, std::forward<Args>(args)...);
  }
}
}  // namespace

std::optional<bool> RaiseEvent(Object& object, std::string_view event) { return Raise<PlainHandler>(object, event); }
std::optional<bool> RaiseEvent(Object& object, std::string_view event, const std::string& key) {
  return Raise<KeyHandler>(object, event, key);
}
std::optional<bool> RaiseEvent(Object& object, std::string_view event, std::int64_t x, std::int64_t y) {
  return Raise<MouseHandler>(object, event, x, y);
}
std::optional<bool> RaiseEvent(Object& object, std::string_view event, Window& window) {
  return Raise<WindowHandler>(object, event, window);
}
std::optional<bool> RaiseEvent(Object& object, std::string_view event, std::exception_ptr error) {
  return Raise<ErrorHandler>(object, event, error);
}

}  // namespace platform
