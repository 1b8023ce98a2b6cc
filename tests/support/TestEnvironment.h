#pragma once

#include <QByteArray>
#include <QDir>

// Points every test program at a home under the build tree, so no test touches the real
// config, data or temporary folders, and windows open offscreen.
inline void UseTestEnvironment() {
    const QByteArray home = VERMARA_TEST_HOME;
    QDir().mkpath(QString::fromUtf8(home + "/tmp"));
    qputenv("XDG_CONFIG_HOME", home + "/config");
    qputenv("XDG_DATA_HOME", home + "/data");
    qputenv("TMPDIR", home + "/tmp");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
