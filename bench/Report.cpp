#include "bench/Report.h"

#include <fstream>
#include <string>
#include <thread>

namespace q9x::bench {

namespace {
// The value of the first "name: value" line of a /proc file.
std::string procValue(const char* path, const std::string& name)
{
  std::ifstream file(path);
  for (std::string line; std::getline(file, line);) {
    if (line.rfind(name, 0) != 0) continue;
    std::size_t value = line.find_first_not_of(" \t:", name.size());
    return value == std::string::npos ? std::string() : line.substr(value);
  }
  return "unknown";
}

double micros(double nanos) { return nanos / 1000; }
double perContact(std::size_t bytes, std::size_t contacts)
{
  return static_cast<double>(bytes) / static_cast<double>(contacts);
}
}  // namespace

void printMachine(std::FILE* out)
{
  std::fprintf(out, "Machine: %u processors, %s, memory %s\n", std::thread::hardware_concurrency(),
               procValue("/proc/cpuinfo", "model name").c_str(),
               procValue("/proc/meminfo", "MemTotal").c_str());
  std::fprintf(out, "Times are the benchmark thread's processor time.\n\n");
}

void printReport(std::FILE* out, const std::vector<Figures>& figures, const char* client)
{
  std::fprintf(out, "Per-contact calls, median µs of processor time per call, register of N contacts\n\n");
  std::fprintf(out, "| N | _GetScore new | _GetScore repeated | _AddQSO | _AddQSO + repaint | _GrabNumber |\n");
  std::fprintf(out, "|---:|---:|---:|---:|---:|---:|\n");
  for (const Figures& f : figures)
    std::fprintf(out, "| %zu | %.3f | %.3f | %.2f | %.1f | %.3f |\n", f.size, micros(f.getScoreNew),
                 micros(f.getScoreRepeated), micros(f.addQso), micros(f.addQsoRepaint),
                 micros(f.grabNumber));

  std::fprintf(out, "\nRecalc of an N-row log, median seconds of processor time, beside the bare scans of the same statement\n\n");
  std::fprintf(out, "| N | Recalc | (a) Qt SQL scan | (b) %s scan | Recalc/(a) | Recalc/(b) | µs per row | count, Qt SQL path | count, native path | native/(b) |\n", client);
  std::fprintf(out, "|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
  for (const Figures& f : figures)
    std::fprintf(out, "| %zu | %.4f | %.4f | %.4f | %.2f | %.2f | %.2f | %.4f | %.4f | %.2f |\n", f.size,
                 f.recalc, f.qtScan, f.clientScan, f.recalc / f.qtScan, f.recalc / f.clientScan,
                 f.recalc * 1e6 / static_cast<double>(f.size), f.qtPathCount, f.nativePathCount,
                 f.nativePathCount / f.clientScan);

  std::fprintf(out, "\nRecalc by the wall clock, from the click to the repainted figures, median seconds\n\n");
  std::fprintf(out, "| N | Recalc, wall | (b) %s scan, wall | Recalc/(b), wall | Recalc, processor | Recalc/(b), processor |\n", client);
  std::fprintf(out, "|---:|---:|---:|---:|---:|---:|\n");
  for (const Figures& f : figures)
    std::fprintf(out, "| %zu | %.4f | %.4f | %.2f | %.4f | %.2f |\n", f.size, f.recalcWall, f.clientScanWall,
                 f.recalcWall / f.clientScanWall, f.recalc, f.recalc / f.clientScan);

  std::fprintf(out, "\nMemory held for the register, bytes per contact\n\n");
  std::fprintf(out, "| N | heap held | heap per contact | heap per contact since previous N | peak RSS growth per contact |\n");
  std::fprintf(out, "|---:|---:|---:|---:|---:|\n");
  const Figures* previous = nullptr;
  for (const Figures& f : figures) {
    std::string marginal = "";
    if (previous && f.size > previous->size && f.heapHeld >= previous->heapHeld)
      marginal = std::to_string(static_cast<long long>(
          perContact(f.heapHeld - previous->heapHeld, f.size - previous->size) + 0.5));
    std::fprintf(out, "| %zu | %zu | %.1f | %s | %.1f |\n", f.size, f.heapHeld,
                 perContact(f.heapHeld, f.size), marginal.c_str(), perContact(f.peakResident, f.size));
    previous = &f;
  }

  std::fprintf(out, "\nPeak resident growth during one scan, bytes per row (the counts and the Recalc build a register)\n\n");
  std::fprintf(out, "| N | Recalc | (a) Qt SQL scan | (b) %s scan | count, Qt SQL path | count, native path |\n", client);
  std::fprintf(out, "|---:|---:|---:|---:|---:|---:|\n");
  for (const Figures& f : figures)
    std::fprintf(out, "| %zu | %.1f | %.1f | %.1f | %.1f | %.1f |\n", f.size, perContact(f.peakResident, f.size),
                 perContact(f.peakQtScan, f.size), perContact(f.peakClientScan, f.size),
                 perContact(f.peakQtPathCount, f.size), perContact(f.peakNativePathCount, f.size));
  std::fflush(out);
}

}  // namespace q9x::bench
