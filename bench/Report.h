#pragma once
// The benchmark's tables, in Markdown so they can go into BENCHMARKS.md as printed.

#include <cstdio>
#include <vector>

#include "bench/Figures.h"

namespace q9x::bench {

void printMachine(std::FILE* out);
// client names the database's C client library of the bare scan (b).
void printReport(std::FILE* out, const std::vector<Figures>& figures, const char* client);

}  // namespace q9x::bench
