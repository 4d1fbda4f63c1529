// The benchmark program: every bench/*.cpp registers its benchmarks; windows are built offscreen.
#include <benchmark/benchmark.h>

#include "core/application.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own application, its windows in the program's style and fonts; an error that
    // would end the program reaches the benchmark as it came.
    Application app(argc, argv);
    Application::setFatalErrorsEndProgram(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
