#pragma once
// The nine pictures, each loaded by file name from the program's resources on first use and
// kept for the life of the process. A load that gives nothing is not remembered: the next
// call asks again. The windows give each one to a canvas as its backdrop.

#include <memory>

#include "platform/values.h"

namespace x_Quillet {
std::shared_ptr<platform::Picture> Quillet();  // calculator title banner
}
namespace x_Quillet2 {
std::shared_ptr<platform::Picture> Quillet2();  // About window title banner
}
namespace x_DOT {
std::shared_ptr<platform::Picture> DOT();  // row label, date of testing
}
namespace x_DOB {
std::shared_ptr<platform::Picture> DOB();  // row label, date of birth
}
namespace x_Age {
std::shared_ptr<platform::Picture> Age();  // row label, age
}
namespace x_Year {
std::shared_ptr<platform::Picture> Year();  // column header, years
}
namespace x_Month {
std::shared_ptr<platform::Picture> Month();  // column header, months
}
namespace x_day {
std::shared_ptr<platform::Picture> day();  // column header, days
}
namespace x_Icon64 {
std::shared_ptr<platform::Picture> Icon64();  // About window icon
}
