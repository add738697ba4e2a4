// The heaviest keystrokes of the model: one that changes the class in the first octet (the whole
// lower half of the window is rewritten) and one in the whole-address entry (four octet rules).
#include <benchmark/benchmark.h>

#include <string>

#include "sheet/address_sheet.h"

namespace {

using quorvel::AddressSheet;
using quorvel::Field;

void BM_FirstOctetKeystrokeChangingClass(benchmark::State& state) {
  AddressSheet sheet;
  sheet.setFocus(Field::Text1);
  bool classC = false;
  for (auto _ : state) {
    // 19 -> 192 (class A to C) and back, each one keystroke.
    classC = !classC;
    sheet.edit(Field::Text1, classC ? "192" : "19", classC ? 3 : 2);
    benchmark::DoNotOptimize(sheet.text(Field::Text34));
  }
}
BENCHMARK(BM_FirstOctetKeystrokeChangingClass);

void BM_WholeAddressKeystroke(benchmark::State& state) {
  AddressSheet sheet;
  sheet.setFocus(Field::Text31);
  bool longer = false;
  for (auto _ : state) {
    // 323223577 -> 3232235777: crosses classes and writes all four octets.
    longer = !longer;
    sheet.edit(Field::Text32, longer ? "3232235777" : "323223577", longer ? 10 : 9);
    benchmark::DoNotOptimize(sheet.text(Field::Text31));
  }
}
BENCHMARK(BM_WholeAddressKeystroke);

void BM_LongPaste(benchmark::State& state) {
  const auto field = static_cast<Field>(state.range(0));
  const std::string paste(1 << 20, '7');
  for (auto _ : state) {
    AddressSheet sheet;
    sheet.setFocus(field == Field::Text32 ? Field::Text31 : field);
    sheet.edit(field, paste, static_cast<int>(paste.size()));
    benchmark::DoNotOptimize(sheet.text(Field::Text31));
  }
}
BENCHMARK(BM_LongPaste)
    ->Arg(static_cast<int>(Field::Text2))
    ->Arg(static_cast<int>(Field::Text23))
    ->Arg(static_cast<int>(Field::Text32))
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
