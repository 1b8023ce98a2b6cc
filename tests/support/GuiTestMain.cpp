#include "support/TestEnvironment.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    UseTestEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vermara-tests"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
