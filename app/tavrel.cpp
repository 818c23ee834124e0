#include "app/tavrel.h"

#include "platform/runtime.h"

namespace {
constexpr const char* kClassName = "Tavrel";
}

void Tavrel::ctblinit() {
  if (platform::RuntimeFindClass(kClassName) != nullptr) return;
  platform::RuntimeRegisterClass({.name = kClassName,
                                  .base = &platform::Application::Lookup(),
                                  .operations = {{"IsEventImplemented"}, {"Tavrel.Constructor"}},
                                  .make = platform::MakerOf<Tavrel>()});
}

const platform::ClassRecord& Tavrel::Lookup() { return platform::RuntimeLookupClass(kClassName, &ctblinit); }

Tavrel& App() { return platform::RuntimeCheckCast<Tavrel>(platform::GetAppObject()); }
