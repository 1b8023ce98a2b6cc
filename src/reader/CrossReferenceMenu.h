#pragma once

#include <QObject>

class QMenu;

namespace reader {

class Navigator;

// The reading view's "Referensi Silang" submenu (MenuRef with its items MenuRefs), rebuilt
// from the chapter on screen each time the context menu opens. It scrolls when the items
// outgrow the screen, so a long chapter keeps all of them.
class CrossReferenceMenu : public QObject {
    Q_OBJECT
public:
    CrossReferenceMenu(QMenu* menuRef, const Navigator& navigator, QObject* parent);

    // BuildCrossReferenceMenu for the navigator's book and chapter.
    void BuildCrossReferenceMenu();
    // The menu for a book's Referensi text and one of its chapters.
    void build(const QString& book, int chapter, const QString& referensi);

signals:
    // An item with references was chosen; the jump window opens with its caption.
    void chosen(const QString& caption);

private:
    QMenu* menuRef_;
    const Navigator& nav_;
};

} // namespace reader
