#include "support/FixtureStore.h"

#include <QCoreApplication>
#include <cstdio>

// Writes the fixture store into the folder given: the installed tree's stand-in for the
// sample store, which takes a minute to build.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_fixture_store FOLDER\n");
        return 2;
    }
    std::printf("%s\n", qPrintable(fixture::WriteFixtureStore(QString::fromLocal8Bit(argv[1]))));
    return 0;
}
