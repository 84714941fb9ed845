#include "Summary.h"

#include "BenchSet.h"
#include "Benchmarks.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

namespace quivelabench {

namespace {

// Numbers are written with std::to_chars: the process runs a QApplication,
// which sets the locale from the environment.
std::string Fixed(double value, int digits) {
    if (!std::isfinite(value))
        return "null";
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, digits);
    return std::string(buffer, result.ptr);
}

std::string Pad(const std::string& text, std::size_t width) {
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

double GeometricMean(const std::vector<double>& values) {
    double logs = 0;
    int n = 0;
    for (const double v : values) {
        if (!std::isfinite(v) || v <= 0)
            continue;
        logs += std::log(v);
        ++n;
    }
    return n == 0 ? std::numeric_limits<double>::quiet_NaN() : std::exp(logs / n);
}

constexpr const char* kEngines[] = {"ours",   "bulk",   "muparser", "matheval",
                                    "native", "exprtk", "blocked",  "calls"};
// Each ratio divides the first engine's time by the second's, and is named
// after both ("ours_muparser").
struct Ratio {
    int over;
    int under;
};
constexpr Ratio kRatios[] = {{0, 2}, {0, 3}, {0, 4}, {1, 4}, {0, 5},
                             {1, 5}, {1, 6}, {6, 5}, {7, 2}, {7, 5}};
std::string RatioName(int r) {
    return std::string(kEngines[kRatios[r].over]) + "_" + kEngines[kRatios[r].under];
}
constexpr const char* kFloors[] = {"ours", "muparser", "exprtk"};

} // namespace

double Summary::MeanRatio(const std::vector<EngineRow>& rows, int r) {
    std::vector<double> values;
    for (const EngineRow& row : rows)
        values.push_back(row.ratio[r]);
    return GeometricMean(values);
}

std::vector<Summary::EngineRow> Summary::EngineRows() const {
    static_assert(std::size(kEngines) == kEngineCount && std::size(kRatios) == kRatioCount);
    std::vector<EngineRow> rows;
    for (std::size_t i = 0; i < kExpressions.size(); ++i) {
        EngineRow row{};
        for (int k = 0; k < kEngineCount; ++k)
            row.ns[k] = Get(std::string("engine/") + kEngines[k] + "/" + std::to_string(i));
        for (int r = 0; r < kRatioCount; ++r)
            row.ratio[r] = row.ns[kRatios[r].over] / row.ns[kRatios[r].under];
        rows.push_back(row);
    }
    return rows;
}

void Summary::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (!median && !single)
            continue;
        const auto items = run.counters.find("items");
        const double count = items == run.counters.end() ? 1.0 : double(items->second);
        const double ns =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
        nsPerItem_[run.run_name.function_name] = ns / count;
        for (const auto& [counter, value] : run.counters)
            counters_[run.run_name.function_name][counter] = double(value);
    }
}

double Summary::Counter(const std::string& name, const std::string& counter) const {
    const auto run = counters_.find(name);
    if (run == counters_.end())
        return std::numeric_limits<double>::quiet_NaN();
    const auto found = run->second.find(counter);
    return found == run->second.end() ? std::numeric_limits<double>::quiet_NaN() : found->second;
}

void Summary::PrintPlots(std::ostream& out) const {
    out << "\nWhole plot through Form1's DesenharF against SolveRange of the same curve, ms\n"
        << "(range: before the QApplication exists; in app: after it, with a plot drawn)\n";
    out << Pad("curve", 38) << Pad("click", 9) << Pad("range", 9) << Pad("in app", 9)
        << Pad("click/range", 13) << "in app/range\n";
    const std::vector<PlotCurve>& curves = PlotCurves();
    for (std::size_t i = 0; i < curves.size(); ++i) {
        const std::string n = std::to_string(i);
        const double click = Get("plot/click/" + n), range = Get("plot/range/" + n),
                     app = Get("plot/range-app/" + n);
        out << Pad(curves[i].name, 38) << Pad(Fixed(click / 1e6, 2), 9)
            << Pad(Fixed(range / 1e6, 2), 9) << Pad(Fixed(app / 1e6, 2), 9)
            << Pad(Fixed(click / range, 2), 13) << Fixed(app / range, 2) << "\n";
    }
    out << "\nLive view of a " << kPlotLiveCharacters
        << "-character plot (worst of 3): first repaint after "
        << Fixed(Counter("plot/live", "first_ms"), 1) << " ms, longest without one "
        << Fixed(Counter("plot/live", "gap_ms"), 1) << " ms, "
        << Fixed(Counter("plot/live", "repaints"), 0) << " repaints or more in "
        << Fixed(Get("plot/live") / 1e6, 0) << " ms\n";
    const double inUse = Counter("state/toolkit", "in_use");
    const double dirty = Get("state/sin/dirty"), cleared = Get("state/sin/cleared");
    out << "\nUpper halves of the vector registers after the toolkit painted: "
        << (inUse == 1   ? "in use"
            : inUse == 0 ? "not in use"
                         : "unknown")
        << "; sin " << Fixed(dirty, 2) << " ns with them in use, " << Fixed(cleared, 2)
        << " ns cleared (x" << Fixed(dirty / cleared, 2) << ")\n";
}

void Summary::WritePlotsJson(std::ostream& json) const {
    json << "  \"plots\": [\n";
    const std::vector<PlotCurve>& curves = PlotCurves();
    for (std::size_t i = 0; i < curves.size(); ++i) {
        const std::string n = std::to_string(i);
        const double click = Get("plot/click/" + n), range = Get("plot/range/" + n),
                     app = Get("plot/range-app/" + n);
        json << "    {\"curve\": " << Quoted(curves[i].name)
             << ", \"click_ms\": " << Fixed(click / 1e6, 3)
             << ", \"range_ms\": " << Fixed(range / 1e6, 3)
             << ", \"range_in_app_ms\": " << Fixed(app / 1e6, 3)
             << ", \"click_range\": " << Fixed(click / range, 4)
             << ", \"in_app_range\": " << Fixed(app / range, 4) << "}"
             << (i + 1 < curves.size() ? ",\n" : "\n");
    }
    json << "  ],\n  \"live_view\": {\"characters\": " << kPlotLiveCharacters
         << ", \"plot_ms\": " << Fixed(Get("plot/live") / 1e6, 1)
         << ", \"first_repaint_ms\": " << Fixed(Counter("plot/live", "first_ms"), 2)
         << ", \"longest_gap_ms\": " << Fixed(Counter("plot/live", "gap_ms"), 2)
         << ", \"repaints\": " << Fixed(Counter("plot/live", "repaints"), 0) << "},\n";
    json << "  \"vector_state\": {\"in_use_after_toolkit\": "
         << Fixed(Counter("state/toolkit", "in_use"), 0)
         << ", \"sin_in_use_ns\": " << Fixed(Get("state/sin/dirty"), 3)
         << ", \"sin_cleared_ns\": " << Fixed(Get("state/sin/cleared"), 3) << "}\n}\n";
}

double Summary::Get(const std::string& name) const {
    const auto found = nsPerItem_.find(name);
    return found == nsPerItem_.end() ? std::numeric_limits<double>::quiet_NaN() : found->second;
}

void Summary::PrintTables(std::ostream& out) const {
    const std::vector<EngineRow> rows = EngineRows();
    out << "\nEngine, ns per evaluation (28,001 samples per curve; medians)\n";
    out << Pad("expression", 26);
    for (const char* engine : kEngines)
        out << Pad(engine, 9);
    out << "\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        out << Pad(kExpressions[i].ours, 26);
        for (const double ns : rows[i].ns)
            out << Pad(Fixed(ns, 1), 9);
        out << "\n";
    }
    out << "\nEngine, ratios (geometric mean over the set last)\n";
    out << Pad("expression", 26);
    for (int r = 0; r < kRatioCount; ++r)
        out << Pad(RatioName(r), 14);
    out << "\n";
    for (std::size_t i = 0; i <= rows.size(); ++i) {
        out << Pad(i < rows.size() ? kExpressions[i].ours : "geometric mean", 26);
        for (int r = 0; r < kRatioCount; ++r)
            out << Pad(Fixed(i < rows.size() ? rows[i].ratio[r] : MeanRatio(rows, r), 2), 14);
        out << "\n";
    }
    out << "\nThe calling sequence alone (the text \"x\"), ns per evaluation:";
    for (const char* engine : kFloors)
        out << " " << engine << " " << Fixed(Get(std::string("floor/") + engine), 1);
    out << "\n";

    out << "\nScaling, ns per token of one Solve\n";
    for (const char* shape : {"sum", "nested"}) {
        const auto& sizes = std::string(shape) == "sum" ? kScalingTerms : kNestedTerms;
        const double at100 = Get(std::string("scaling/") + shape + "/100");
        for (const int terms : sizes) {
            const double ns = Get(std::string("scaling/") + shape + "/" + std::to_string(terms));
            out << Pad(shape, 8) << Pad(std::to_string(terms) + " terms", 13)
                << Pad(Fixed(ns, 2), 8) << "(x" << Fixed(ns / at100, 2) << " of 100 terms)\n";
        }
    }

    out << "\nParsing (with the plan and one evaluation)\n";
    for (const std::size_t chars : kParseChars) {
        const double ns = Get("parse/" + std::to_string(chars));
        out << Pad(std::to_string(chars) + " characters", 18)
            << Pad(Fixed(ns * chars / 1e3, 1) + " us", 12) << Fixed(ns, 2) << " ns per character\n";
    }

    PrintPlots(out);
}

bool Summary::WriteJson(const std::string& path) const {
    std::ostringstream json;
    const std::vector<EngineRow> rows = EngineRows();
    const benchmark::CPUInfo& cpu = benchmark::CPUInfo::Get();
    json << "{\n  \"machine\": {\"cpus\": " << cpu.num_cpus
         << ", \"mhz\": " << Fixed(cpu.cycles_per_second / 1e6, 0) << ", \"load_average\": ["
         << Fixed(cpu.load_avg.empty() ? -1 : cpu.load_avg[0], 2) << "]},\n";
    json << "  \"engine\": [\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        json << "    {\"expression\": " << Quoted(kExpressions[i].ours);
        for (int k = 0; k < kEngineCount; ++k)
            json << ", \"" << kEngines[k] << "_ns\": " << Fixed(rows[i].ns[k], 3);
        for (int r = 0; r < kRatioCount; ++r)
            json << ", \"" << RatioName(r) << "\": " << Fixed(rows[i].ratio[r], 4);
        json << "}" << (i + 1 < rows.size() ? ",\n" : "\n");
    }
    json << "  ],\n  \"geometric_mean\": {";
    for (int r = 0; r < kRatioCount; ++r)
        json << (r > 0 ? ", \"" : "\"") << RatioName(r) << "\": " << Fixed(MeanRatio(rows, r), 4);
    json << "},\n  \"calling_sequence_ns\": {";
    for (const char* engine : kFloors)
        json << (engine == kFloors[0] ? "\"" : ", \"") << engine
             << "\": " << Fixed(Get(std::string("floor/") + engine), 3);
    json << "},\n";
    json << "  \"scaling\": [\n";
    bool first = true;
    for (const char* shape : {"sum", "nested"}) {
        const auto& sizes = std::string(shape) == "sum" ? kScalingTerms : kNestedTerms;
        for (const int terms : sizes) {
            json << (first ? "" : ",\n") << "    {\"shape\": \"" << shape
                 << "\", \"terms\": " << terms << ", \"ns_per_token\": "
                 << Fixed(Get(std::string("scaling/") + shape + "/" + std::to_string(terms)), 3)
                 << "}";
            first = false;
        }
    }
    json << "\n  ],\n  \"parsing\": [\n";
    for (std::size_t i = 0; i < kParseChars.size(); ++i) {
        const double ns = Get("parse/" + std::to_string(kParseChars[i]));
        json << "    {\"characters\": " << kParseChars[i]
             << ", \"us\": " << Fixed(ns * kParseChars[i] / 1e3, 2)
             << ", \"ns_per_character\": " << Fixed(ns, 3) << "}"
             << (i + 1 < kParseChars.size() ? ",\n" : "\n");
    }
    json << "  ],\n";
    WritePlotsJson(json);
    std::ofstream file(path);
    file << json.str();
    return bool(file);
}

} // namespace quivelabench
