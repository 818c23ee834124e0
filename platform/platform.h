#pragma once
// Our platform: the class library the windows and the start-up code speak to, on Qt 6 Widgets.
// No Qt type appears in these headers; Qt stays inside platform/. Every user-interface
// operation, reads included, raises ThreadAccessingUIException off the main thread; Val, Str
// and Date are values, usable on any thread.
//
//   object.h          class records, objects, casts, event dispatch by record
//   property.h        property blocks, set by name in order, checked by kind
//   window.h          windows, their registry, menu bindings
//   controls.h        RectControl, TextField, PushButton, Label, Canvas, Timer
//   window_builder.h  a window and its controls as data, and their builder
//   menu.h            MenuItem, MenuBar, QuitMenuItem, AppleMenuItem
//   application.h     the application object
//   runtime.h         start, event loop, quit, unhandled errors, exit status
//   values.h          MsgBox, Date, Picture, FileType
//   values/           Val and Str, free of Qt

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/menu.h"
#include "platform/object.h"
#include "platform/property.h"
#include "platform/runtime.h"
#include "platform/values.h"
#include "platform/values/str.h"
#include "platform/values/val.h"
#include "platform/window.h"
#include "platform/window_builder.h"
