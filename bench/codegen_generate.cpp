#include "codegen/MenuCode.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A menu of `count` rows where every tenth row opens a new group.
pickwell::MenuProject MenuOf(std::int64_t count) {
    pickwell::MenuProject project;
    project.items.reserve(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < count; ++i) {
        pickwell::MenuItem item;
        if (i % 10 == 0) {
            item.text = "Group " + std::to_string(i / 10);
            item.isHeading = "Yes";
        } else {
            item.text = "   Page number " + std::to_string(i);
            item.linked = "Yes";
            item.url = "https://www.example.com/pages/" + std::to_string(i) + ".html";
            if (i % 3 == 0) {
                item.backColor = "#FFFFCC";
                item.textColor = "#000080";
            }
        }
        project.items.push_back(std::move(item));
    }
    return project;
}

void GenerateMenuCode(benchmark::State& state, pickwell::OutputMode mode) {
    const pickwell::MenuProject project = MenuOf(state.range(0));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const pickwell::MenuCode code = pickwell::GenerateMenuCode(project, mode);
        bytes = code.functionCode.size() + code.htmlCode.size() + code.documentStart.size() +
                code.documentMiddle.size() + code.documentEnd.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK_CAPTURE(GenerateMenuCode, clip, pickwell::OutputMode::Clip)
    ->Arg(100)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(GenerateMenuCode, file, pickwell::OutputMode::File)
    ->Arg(100)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
