// Entry point of every test program: a headless application, then the tests.
#include <gtest/gtest.h>

#include "core/application.h"

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own application, whose event delivery reports a busy database file; an error
    // that would end the program reaches the test instead.
    Application app(argc, argv);
    Application::setFatalErrorsEndProgram(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
