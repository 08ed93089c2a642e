// Converting texts between UTF-8 and the code pages: the cost per character must not depend
// on whether the code page holds the characters, nor grow with the length of the text.

#include "platform/CodePage.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string Repeated(const char* piece, int64_t times) {
    std::string text;
    for (int64_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Japanese into code page 1252, which holds none of it: every character becomes '?'.
void FromUtf8Unheld(benchmark::State& state) {
    std::string text = Repeated("ボ", state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(codepage::FromUtf8(text, 1252));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void FromUtf8Held(benchmark::State& state) {
    std::string text = Repeated("ボ", state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(codepage::FromUtf8(text, 932));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void ToUtf8(benchmark::State& state) {
    std::string text = codepage::FromUtf8(Repeated("ボ", state.range(0)), 932);
    for (auto _ : state)
        benchmark::DoNotOptimize(codepage::ToUtf8(text, 932));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(FromUtf8Unheld)->Arg(1000)->Arg(333333);
BENCHMARK(FromUtf8Held)->Arg(1000)->Arg(333333);
BENCHMARK(ToUtf8)->Arg(1000)->Arg(333333);

} // namespace

BENCHMARK_MAIN();
