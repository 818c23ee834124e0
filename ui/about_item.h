#pragma once
// The About menu item, found by its name in the application's installed menu bar.
//
// It lives here and not with the menu bar because the windows may not reach into the
// application layer: the platform's application object and its menu bar are all it needs.

#include "platform/menu.h"

// Raises NilObjectException when there is no application object, no menu bar or no item of
// that name, and IllegalCastException when the item is not an AppleMenuItem. Nothing is kept:
// every call looks the item up again.
platform::AppleMenuItem& AboutTavrel();
