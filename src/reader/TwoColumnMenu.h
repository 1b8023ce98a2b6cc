#pragma once

#include <QWidget>

class QAction;
class QMenu;

namespace reader {

// The items of a menu laid out in two columns, the second starting at SecondColumnStart of
// the visible items; each entry is drawn as the style draws a menu item and triggers its action.
class TwoColumnMenu : public QWidget {
    Q_OBJECT
public:
    explicit TwoColumnMenu(QMenu* menu);

    void setItems(const QList<QAction*>& actions);

private:
    QMenu* menu_;
};

} // namespace reader
