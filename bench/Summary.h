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
    double Get(const std::string& name) const; // NaN when it did not run

    std::map<std::string, double> nsPerItem_;
};

} // namespace quivelabench
