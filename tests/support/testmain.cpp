// Entry point of every test program: a headless application, then the tests.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DezArod"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
