#pragma once

#include <QWidget>

class QAction;
class QMenu;

namespace reader {

class MenuEntry;

// The items of a menu laid out in two columns, the second starting at SecondColumnStart of
// the visible items. Used like a menu: the mouse, the arrow keys, Return and the mnemonics
// (the letter after "&", else the first letter) choose an item and trigger its action.
class TwoColumnMenu : public QWidget {
    Q_OBJECT
public:
    explicit TwoColumnMenu(QMenu* menu);

    void setItems(const QList<QAction*>& actions);
    // A key on an entry: true when it moved the choice or chose an item.
    bool navigate(int key, const QString& text);

private:
    // When the menu opens, the checked item (else the first) has the keyboard.
    void focusCheckedEntry();
    void focusEntry(qsizetype index);
    qsizetype currentIndex() const;
    bool chooseByMnemonic(const QString& text);

    QMenu* menu_;
    QList<MenuEntry*> entries_;
    int split_ = 0;
};

} // namespace reader
