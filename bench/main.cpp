// Quivela's benchmarks: the engine against its peers, scaling, parsing and
// the whole plot. Not tests: nothing here is timed against a bound.
//   quivela_bench [--summary=FILE] [Google Benchmark options]

#include "Benchmarks.h"
#include "Summary.h"

#include "app/ProgramSetUp.h"

#include <QApplication>

#include <clocale>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    std::string summaryPath = "bench.json";
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--summary=", 10) == 0)
            summaryPath = argv[i] + 10;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    // Google Benchmark truncates its --benchmark_out file on each run, so the
    // second run (the plots) writes its raw results to a file of its own.
    std::vector<std::string> plotArgs(argv, argv + argc);
    for (std::string& arg : plotArgs)
        if (arg.starts_with("--benchmark_out="))
            arg.insert(arg.ends_with(".json") ? arg.size() - 5 : arg.size(), "-plot");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    // The engine and its peers first, in a process the toolkit has not
    // touched: creating a QApplication can leave the vector registers in a
    // state that slows every later maths call of the peers and the native
    // loops (ours clears it on entry), which would skew every ratio.
    quivelabench::Summary summary;
    quivelabench::RegisterEngineBenchmarks();
    quivelabench::RegisterCleanPlotBenchmarks();
    benchmark::RunSpecifiedBenchmarks(&summary);
    benchmark::ClearRegisteredBenchmarks();

    // Then what users run: the plot through the real main window, in an
    // application set up as the program sets it up.
    std::vector<char*> plotArgv;
    for (std::string& arg : plotArgs)
        plotArgv.push_back(arg.data());
    int plotArgc = static_cast<int>(plotArgv.size());
    benchmark::Initialize(&plotArgc, plotArgv.data());
    QApplication app(plotArgc, plotArgv.data());
    ProgramSetUp::SetUp(app);
    std::setlocale(LC_NUMERIC, "C"); // the console reporter prints with printf
    quivelabench::RegisterPlotBenchmarks();
    quivelabench::RegisterVectorStateBenchmarks();
    benchmark::RunSpecifiedBenchmarks(&summary);
    summary.PrintTables(std::cout);
    if (!summary.WriteJson(summaryPath)) {
        std::cerr << "could not write " << summaryPath << "\n";
        return 1;
    }
    std::cout << "\nwritten to " << summaryPath << "\n";
    return 0;
}
