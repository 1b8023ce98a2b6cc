#include "ReaderHarness.h"

#include <QAction>
#include <QLabel>

QString ReaderHarness::title() const {
    return find<QLabel>(QStringLiteral("Label1"))->text();
}

QAction* ReaderHarness::action(const QString& name) const {
    QAction* found = window->findChild<QAction*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}
