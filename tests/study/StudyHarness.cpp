#include "StudyHarness.h"

#include <QApplication>
#include <QTest>

StudyHarness::StudyHarness(const fixture::Options& options) {
    storePath = fixture::WriteFixtureStore(dir.filePath(QStringLiteral("data")), options);
}

void StudyHarness::add(const QString& table, const store::StoreWriter::Row& row) {
    store::StoreWriter writer(storePath);
    writer.insert(table, row);
}

study::StudyWindows& StudyHarness::open() {
    store = store::Store::Open(storePath);
    windows = std::make_unique<study::StudyWindows>(
        study::StudyContext{*store, dialogs, dataFolder(), programFolder(), {}, mainStatusBar});
    return *windows;
}

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

QMenu* RightClick(QTextEdit* view, const char* menuName) {
    const QPoint pos(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, view->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(view->viewport(), &event);
    auto* menu = view->window()->findChild<QMenu*>(QString::fromUtf8(menuName));
    EXPECT_NE(menu, nullptr);
    if (menu) {
        EXPECT_TRUE(menu->isVisible());
    }
    return menu;
}

void Activate(QWidget& window) {
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}
