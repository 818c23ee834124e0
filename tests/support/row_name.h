#pragma once
// Table rows name their case: every row has a `name` that reads as the case, and GoogleTest
// uses it both as the test's name and when it prints the row. Free of Qt, for every test folder.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace test_rows {

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
// each test file brings it in there with a using-declaration.
template <NamedRow Row>
void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

}  // namespace test_rows
