#pragma once
// Inside the platform only: how Qt calls back into program code.

#include <functional>
#include <memory>
#include <utility>

namespace platform {
class Object;
}

namespace platform::detail {

// Raises ThreadAccessingUIException when called off the main thread.
void RequireMainThread();

// A field of a user-interface object, read or written on the main thread only.
template <class T>
const T& ReadOnMainThread(const T& field) {
  RequireMainThread();
  return field;
}
template <class T, class V>
void WriteOnMainThread(T& field, V&& value) {
  RequireMainThread();
  field = std::forward<V>(value);
}

// Runs program code on behalf of Qt. Nothing escapes: an error goes to UnhandledException.
// `keepAlive` is held for the call, so a handler may close the window it runs in.
void Dispatch(Object* keepAlive, const std::function<void()>& code);

// Windows closed while the loop runs, released once no handler is on the stack.
void ReleaseClosedWindows();
void ReleaseAllWindows();

}  // namespace platform::detail
