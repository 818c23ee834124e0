#pragma once
// Objects and their class records.
//
// Every class the program shows to the platform describes itself once in a ClassRecord: its
// dotted class name ("ControlWnd.ControlWnd"), its base, its own operations in order and the
// window events it binds. Dispatch consults the record, never C++ overriding, so an event the
// record does not bind gets the platform's default handling. Records live in the runtime's
// class registry for the whole process and are found by name.

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform {

class Object;
class Window;

// Errors the platform raises. Each is a RuntimeException, the kind the exception helper traps.
struct RuntimeException : std::runtime_error {
  using std::runtime_error::runtime_error;
};
struct NilObjectException : RuntimeException {
  using RuntimeException::RuntimeException;
};
struct IllegalCastException : RuntimeException {
  using RuntimeException::RuntimeException;
};
struct ThreadAccessingUIException : RuntimeException {
  ThreadAccessingUIException() : RuntimeException("user-interface call off the main thread") {}
};
// A property block naming a property the object does not have, or giving it the wrong type.
struct PropertyException : RuntimeException {
  using RuntimeException::RuntimeException;
};
// No display to show windows on; the message names the display, or says that none is set.
struct NoDisplayException : RuntimeException {
  using RuntimeException::RuntimeException;
};

// The signatures a bound event can have; which one an event uses is fixed by the event.
using PlainHandler = std::function<void(Object&)>;
using KeyHandler = std::function<bool(Object&, const std::string& key)>;
using MouseHandler = std::function<bool(Object&, std::int64_t x, std::int64_t y)>;
using WindowHandler = std::function<void(Object&, Window&)>;
using ErrorHandler = std::function<bool(Object&, std::exception_ptr)>;
using EventHandler = std::variant<PlainHandler, KeyHandler, MouseHandler, WindowHandler, ErrorHandler>;

struct EventBinding {
  std::string event;
  std::string operation;
  EventHandler handler;
};

struct Operation {
  std::string name;
  std::string attribute;  // "Hidden" or empty
};

struct ClassRecord {
  std::string name;
  const ClassRecord* base = nullptr;
  std::vector<Operation> operations;  // the class's own, after the inherited ones
  std::vector<EventBinding> events;
  std::function<std::shared_ptr<Object>()> make;  // empty for classes that cannot be created

  bool IsA(const ClassRecord& other) const;
  // Whether the class handles the event: it or a class it derives from binds it, as dispatch
  // finds the binding.
  bool IsEventImplemented(std::string_view event) const;
  const EventBinding* Binding(std::string_view event) const;
};

class Object : public std::enable_shared_from_this<Object> {
 public:
  virtual ~Object() = default;
  const ClassRecord& Class() const { return *class_; }

 private:
  friend std::shared_ptr<Object> RuntimeNewObject(const ClassRecord&);
  const ClassRecord* class_ = nullptr;
};

// The class registry. Registering a name twice keeps the first record, so a class's
// initialiser may run any number of times.
const ClassRecord& RuntimeRegisterClass(ClassRecord record);
const ClassRecord* RuntimeFindClass(std::string_view name);

// A program class's record, made by its initialiser the first time anything asks for it.
const ClassRecord& RuntimeLookupClass(std::string_view name, void (*ctblinit)());

// A new object of the class, not yet constructed.
std::shared_ptr<Object> RuntimeNewObject(const ClassRecord& record);

// The object itself when it is of the class; raises NilObjectException or IllegalCastException.
Object& RuntimeCheckCast(Object* object, const ClassRecord& cls);

// The object itself when it is of class T (T::Lookup() gives T's record); raises otherwise.
template <class T>
T& RuntimeCheckCast(Object* object) {
  if (object == nullptr) throw NilObjectException("nil object where a " + T::Lookup().name + " was expected");
  auto* typed = dynamic_cast<T*>(object);
  if (typed == nullptr || !object->Class().IsA(T::Lookup()))
    throw IllegalCastException("a " + object->Class().name + " is not a " + T::Lookup().name);
  return *typed;
}
template <class T>
T& RuntimeCheckCast(const std::shared_ptr<Object>& object) {
  return RuntimeCheckCast<T>(object.get());
}

// Event bindings from member functions, for class records.
template <class C>
EventBinding BindEvent(std::string event, std::string operation, void (C::*method)()) {
  return {std::move(event), std::move(operation),
          PlainHandler([method](Object& o) { (static_cast<C&>(o).*method)(); })};
}
template <class C>
EventBinding BindEvent(std::string event, std::string operation, bool (C::*method)(const std::string&)) {
  return {std::move(event), std::move(operation),
          KeyHandler([method](Object& o, const std::string& key) { return (static_cast<C&>(o).*method)(key); })};
}
template <class C>
EventBinding BindEvent(std::string event, std::string operation, bool (C::*method)(std::int64_t, std::int64_t)) {
  return {std::move(event), std::move(operation), MouseHandler([method](Object& o, std::int64_t x, std::int64_t y) {
            return (static_cast<C&>(o).*method)(x, y);
          })};
}
template <class C>
EventBinding BindEvent(std::string event, std::string operation, void (C::*method)(Window&)) {
  return {std::move(event), std::move(operation),
          WindowHandler([method](Object& o, Window& w) { (static_cast<C&>(o).*method)(w); })};
}
template <class C>
EventBinding BindEvent(std::string event, std::string operation, bool (C::*method)(std::exception_ptr)) {
  return {std::move(event), std::move(operation),
          ErrorHandler([method](Object& o, std::exception_ptr e) { return (static_cast<C&>(o).*method)(e); })};
}

// The factory a creatable class puts in its record.
template <class T>
std::function<std::shared_ptr<Object>()> MakerOf() {
  return [] { return std::make_shared<T>(); };
}

}  // namespace platform

namespace platform {
// Runs the handler the object's class binds to the event, with the event's arguments. Gives
// nothing when the class binds none, so the caller applies the default handling; otherwise
// the handler's Boolean result (false for events without one).
std::optional<bool> RaiseEvent(Object& object, std::string_view event);
std::optional<bool> RaiseEvent(Object& object, std::string_view event, const std::string& key);
std::optional<bool> RaiseEvent(Object& object, std::string_view event, std::int64_t x, std::int64_t y);
std::optional<bool> RaiseEvent(Object& object, std::string_view event, Window& window);
std::optional<bool> RaiseEvent(Object& object, std::string_view event, std::exception_ptr error);
}  // namespace platform
