// Quivela's benchmarks: the engine against its peers, scaling, parsing and
// the whole plot. Not tests: nothing here is timed against a bound.
//   quivela_bench [--summary=FILE] [Google Benchmark options]

#include "Benchmarks.h"
#include "Summary.h"

#include <QApplication>

#include <clocale>
#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // the console reporter prints with printf

    std::string summaryPath = "bench.json";
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--summary=", 10) == 0)
            summaryPath = argv[i] + 10;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    quivelabench::RegisterEngineBenchmarks();
    quivelabench::RegisterPlotBenchmarks();
    quivelabench::Summary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    summary.PrintTables(std::cout);
    if (!summary.WriteJson(summaryPath)) {
        std::cerr << "could not write " << summaryPath << "\n";
        return 1;
    }
    std::cout << "\nwritten to " << summaryPath << "\n";
    return 0;
}
