#pragma once

#include "tests/support/row_name.h"

namespace calc_test {
using test_rows::PrintTo;
using test_rows::RowName;
}  // namespace calc_test
