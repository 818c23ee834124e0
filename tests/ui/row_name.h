#pragma once

#include "tests/support/row_name.h"

namespace ui_test {
using test_rows::PrintTo;
using test_rows::RowName;
}  // namespace ui_test
