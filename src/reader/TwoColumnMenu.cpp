#include "reader/TwoColumnMenu.h"

#include "reader/ReaderTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionMenuItem>

namespace reader {

namespace {

class MenuEntry : public QAbstractButton {
public:
    MenuEntry(QAction* action, QMenu* menu, QWidget* parent)
        : QAbstractButton(parent), action_(action) {
        setAttribute(Qt::WA_Hover);
        setText(action->text());
        connect(this, &QAbstractButton::clicked, action, [action, menu] {
            menu->hide();
            action->trigger();
        });
        connect(action, &QAction::changed, this, qOverload<>(&QWidget::update));
    }

    QSize sizeHint() const override {
        QStyleOptionMenuItem option = itemOption();
        const QSize text(fontMetrics().horizontalAdvance(option.text), fontMetrics().height());
        return style()->sizeFromContents(QStyle::CT_MenuItem, &option, text, this);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionMenuItem option = itemOption();
        style()->drawControl(QStyle::CE_MenuItem, &option, &painter, this);
    }

private:
    QStyleOptionMenuItem itemOption() const {
        QStyleOptionMenuItem option;
        option.initFrom(this);
        option.text = action_->text();
        option.menuItemType = QStyleOptionMenuItem::Normal;
        option.checkType = QStyleOptionMenuItem::NonExclusive;
        option.checked = action_->isChecked();
        option.menuRect = rect();
        option.maxIconWidth = 0;
        option.reservedShortcutWidth = 0;
        if (underMouse())
            option.state |= QStyle::State_Selected;
        return option;
    }

    QAction* action_;
};

} // namespace

TwoColumnMenu::TwoColumnMenu(QMenu* menu) : QWidget(menu), menu_(menu) {
    setObjectName(QStringLiteral("VersiKitabColumns"));
}

void TwoColumnMenu::setItems(const QList<QAction*>& actions) {
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    delete layout();
    QList<QAction*> shown;
    for (QAction* action : actions) {
        if (action->isVisible())
            shown.append(action);
    }
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    const int split = SecondColumnStart(int(shown.size()));
    for (int i = 0; i < shown.size(); ++i) {
        const int column = i < split ? 0 : 1;
        const int row = column == 0 ? i : i - split;
        grid->addWidget(new MenuEntry(shown[i], menu_, this), row, column);
    }
    grid->setRowStretch(split, 1);
}

} // namespace reader
