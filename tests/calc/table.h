#pragma once

// Shared by the table-driven tests: every row has a `name` that reads as the case, and
// GoogleTest uses it both as the test's name and when it prints the row.

#include <ostream>
#include <string>

#include <gtest/gtest.h>

namespace calc_test {

template <class Row>
concept NamedRow = requires(const Row& row) { row.name; };

struct RowName {
  template <NamedRow Row>
  std::string operator()(const testing::TestParamInfo<Row>& info) const {
    return std::string(info.param.name);
  }
};

// More constrained than GoogleTest's own template, so a failure shows the row's name instead
// of its bytes. Argument-dependent lookup searches only the rows' own (unnamed) namespace, so
// each test file brings it in there with `using calc_test::PrintTo;`.
template <NamedRow Row>
void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

}  // namespace calc_test
