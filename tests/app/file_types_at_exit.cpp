// The end of the process with the file types registered, as tavrel ends: start-up registers
// them into the program's namespace-scope globals, main runs the finalisers and returns, and
// the static destructors then run in whatever order the C++ runtime picks. The platform makes
// its registry on first use, after those globals, so it is destroyed before them; nothing of
// either may be used once it is gone. Under the address sanitizer a teardown that does so
// ends this program with a report and a failing status.

#include <iostream>

#include "app/file_types.h"
#include "platform/runtime.h"
#include "platform/values.h"

int main() {
  platform::RuntimeInit();
  FileTypes::Initialize();
  const std::size_t registered = platform::RegisteredFileTypes().size();
  if (registered != 2) {
    std::cerr << "FAIL: " << registered << " file types registered, expected 2\n";
    return 1;
  }
  platform::RuntimePerformFinalizers();
  return platform::RuntimeExit();
}
