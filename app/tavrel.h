#pragma once
// The application object: one Tavrel, created and registered at start-up, holding the version
// data and the menu bar. It handles no application event and binds no menu command.

#include "platform/application.h"
#include "platform/object.h"

class Tavrel : public platform::Application {
 public:
  static const platform::ClassRecord& Lookup();
  static void ctblinit();
  void Constructor() {}
};

// The registered application object.
Tavrel& App();
