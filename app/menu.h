#pragma once
// The menu bar: four top-level menus built once, by the four builders Untitled0 to Untitled3
// in this order, from one table of items. Items are linked to code only by their names.

#include <memory>

#include "platform/menu.h"
#include "platform/object.h"

namespace Menu {

class Menu : public platform::MenuBar {
 public:
  static const platform::ClassRecord& Lookup();
  static void ctblinit();
  void Constructor() override;
  virtual void Untitled0();
  virtual void Untitled1();
  virtual void Untitled2();
  virtual void Untitled3();

 private:
  void BuildItemsOf(int builder);
};

// The one menu bar, kept only once it was built without error.
extern std::shared_ptr<class Menu> implicitInstance;
void implicitInstanceInit();

// The single menu bar, built on the first call.
std::shared_ptr<class Menu> Menu();

}  // namespace Menu
