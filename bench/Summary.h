#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace quivelabench {

// Shows Google Benchmark's console output and keeps, for every benchmark, its
// median time per item in nanoseconds (one item: one evaluation, one token,
// one character or one plot, as each benchmark counts it). Then prints the
// tables with the ratios and writes them as JSON.
class Summary : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    void PrintTables(std::ostream& out) const;
    bool WriteJson(const std::string& path) const;

private:
    // One expression of the engine set: ns per evaluation for ours, bulk,
    // muparser, libmatheval, native, ExprTk, native in blocked stages and
    // native behind our three calls, and the ratios ours/muparser,
    // ours/libmatheval, ours/native, bulk/native, ours/ExprTk, bulk/ExprTk,
    // bulk/blocked, blocked/ExprTk (how far below ExprTk the floor of the bulk
    // path lies), calls/muparser and calls/ExprTk (the same for one sample).
    static constexpr int kEngineCount = 8;
    static constexpr int kRatioCount = 10;
    struct EngineRow {
        double ns[kEngineCount];
        double ratio[kRatioCount];
    };

    double Get(const std::string& name) const; // NaN when it did not run
    // A user counter of a benchmark's median (or only) run; NaN when none.
    double Counter(const std::string& name, const std::string& counter) const;
    void PrintPlots(std::ostream& out) const;
    void WritePlotsJson(std::ostream& json) const;
    std::vector<EngineRow> EngineRows() const;
    // Geometric mean over the expressions of ratio r.
    static double MeanRatio(const std::vector<EngineRow>& rows, int r);

    std::map<std::string, double> nsPerItem_;
    std::map<std::string, std::map<std::string, double>> counters_;
};

} // namespace quivelabench
