#pragma once
// The About menu item, found by its name in the application's installed menu bar.
//
// The menu bar and the application object belong to the application layer, which defines this
// with them (app/menu.cpp); the calculator window, which enables the item, declares here what
// it needs, so that no include of the window layer points up at the application layer.

#include "platform/menu.h"

// Raises NilObjectException when there is no application object, no menu bar or no item of
// that name, and IllegalCastException when the item is not an AppleMenuItem. Nothing is kept:
// every call looks the item up again.
platform::AppleMenuItem& AboutTavrel();
