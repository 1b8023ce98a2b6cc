#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    UseTestEnvironment();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vermara-tests"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
