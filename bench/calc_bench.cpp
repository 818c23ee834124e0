#include <benchmark/benchmark.h>

#include "calc/age.h"

namespace {

// Every check passes and both borrows run.
void BM_CalculateAgeSuccess(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::CalculateAge("2000", "5", "20", "2020", "3", "10", 2024));
  }
}
BENCHMARK(BM_CalculateAgeSuccess);

// The slowest failure: all six texts are converted before the dates are found out of order.
void BM_CalculateAgeTestBeforeBirth(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::CalculateAge("2010", "6", "15", "2010", "6", "14", 2024));
  }
}
BENCHMARK(BM_CalculateAgeTestBeforeBirth);

// The quickest failure: one text read, and a message built with the current year.
void BM_CalculateAgeBadBirthYear(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::CalculateAge("1899", "5", "20", "2020", "3", "10", 2024));
  }
}
BENCHMARK(BM_CalculateAgeBadBirthYear);

}  // namespace
