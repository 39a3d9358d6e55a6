#pragma once
// The benchmark's tables, in Markdown so they can go into BENCHMARKS.md as printed.

#include <cstdio>
#include <vector>

#include "bench/Figures.h"

namespace q9x::bench {

void printMachine(std::FILE* out);
void printReport(std::FILE* out, const std::vector<Figures>& figures);

}  // namespace q9x::bench
