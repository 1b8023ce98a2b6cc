#include "reader/TwoColumnMenu.h"

#include "reader/ReaderTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QWidgetAction>

namespace reader {

namespace {

// A menu opened from the keyboard leaves its menu bar holding the focus when an item of
// ours closes it; Escape hands the focus back to the widget that had it before, as a
// chosen menu item of Qt's own does.
void LeaveMenuBar(QMenu* menu) {
    auto* bar = qobject_cast<QMenuBar*>(menu->parentWidget());
    if (!bar || !bar->hasFocus())
        return;
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(bar, &escape);
}

} // namespace

// One item, drawn as the style draws a menu item; highlighted under the mouse or with the
// keyboard on it.
class MenuEntry : public QAbstractButton {
public:
    MenuEntry(QAction* action, QMenu* menu, TwoColumnMenu* columns)
        : QAbstractButton(columns), action_(action), columns_(columns) {
        setAttribute(Qt::WA_Hover);
        setFocusPolicy(Qt::StrongFocus);
        setText(action->text());
        connect(this, &QAbstractButton::clicked, action, [action, menu] {
            menu->hide();
            LeaveMenuBar(menu);
            action->trigger();
        });
        connect(action, &QAction::changed, this, qOverload<>(&QWidget::update));
    }

    QAction* action() const { return action_; }

    // The letter after "&", else the first letter, in lower case.
    QChar mnemonic() const {
        const QString text = action_->text();
        const qsizetype amp = text.indexOf(u'&');
        const QChar key = amp >= 0 && amp + 1 < text.size() ? text.at(amp + 1)
                          : text.isEmpty()                  ? QChar()
                                                            : text.front();
        return key.toLower();
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

    void keyPressEvent(QKeyEvent* event) override {
        if (!columns_->navigate(event->key(), event->text()))
            QAbstractButton::keyPressEvent(event);
    }

    void enterEvent(QEnterEvent* event) override {
        setFocus(Qt::MouseFocusReason);
        QAbstractButton::enterEvent(event);
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
        if (underMouse() || hasFocus())
            option.state |= QStyle::State_Selected;
        return option;
    }

    QAction* action_;
    TwoColumnMenu* columns_;
};

TwoColumnMenu::TwoColumnMenu(QMenu* menu) : QWidget(menu), menu_(menu) {
    setObjectName(QStringLiteral("VersiKitabColumns"));
    auto* holder = new QWidgetAction(menu);
    holder->setDefaultWidget(this);
    menu->addAction(holder);
    connect(menu, &QMenu::aboutToShow, this, &TwoColumnMenu::focusCheckedEntry);
}

void TwoColumnMenu::setItems(const QList<QAction*>& actions) {
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    entries_.clear();
    delete layout();
    QList<QAction*> shown;
    for (QAction* action : actions) {
        if (action->isVisible())
            shown.append(action);
    }
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    split_ = SecondColumnStart(int(shown.size()));
    for (int i = 0; i < shown.size(); ++i) {
        const int column = i < split_ ? 0 : 1;
        const int row = column == 0 ? i : i - split_;
        auto* entry = new MenuEntry(shown[i], menu_, this);
        entries_.append(entry);
        grid->addWidget(entry, row, column);
    }
    grid->setRowStretch(split_, 1);
}

void TwoColumnMenu::focusCheckedEntry() {
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        if (entries_[i]->action()->isChecked()) {
            focusEntry(i);
            return;
        }
    }
    focusEntry(0);
}

void TwoColumnMenu::focusEntry(qsizetype index) {
    if (index >= 0 && index < entries_.size())
        entries_[index]->setFocus(Qt::TabFocusReason);
}

qsizetype TwoColumnMenu::currentIndex() const {
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        if (entries_[i]->hasFocus())
            return i;
    }
    return 0;
}

bool TwoColumnMenu::navigate(int key, const QString& text) {
    const qsizetype count = entries_.size();
    const qsizetype i = currentIndex();
    if (count == 0)
        return false;
    switch (key) {
    case Qt::Key_Down:
        focusEntry((i + 1) % count);
        return true;
    case Qt::Key_Up:
        focusEntry((i + count - 1) % count);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Left: {
        // The same row of the other column, or its last item when that column is shorter.
        const qsizetype other = i < split_ ? std::min(i + split_, count - 1) : i - split_;
        focusEntry(other);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        entries_[i]->click();
        return true;
    default:
        return chooseByMnemonic(text);
    }
}

bool TwoColumnMenu::chooseByMnemonic(const QString& text) {
    if (text.size() != 1 || !text.at(0).isLetterOrNumber())
        return false;
    const QChar key = text.at(0).toLower();
    QList<qsizetype> matches;
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        if (entries_[i]->mnemonic() == key)
            matches.append(i);
    }
    if (matches.size() == 1) {
        entries_[matches.front()]->click();
    } else if (!matches.isEmpty()) {
        // Several items share the letter: each press moves on to the next of them.
        const qsizetype current = currentIndex();
        const auto next = std::find_if(matches.begin(), matches.end(),
                                       [current](qsizetype m) { return m > current; });
        focusEntry(next == matches.end() ? matches.front() : *next);
    }
    return !matches.isEmpty();
}

} // namespace reader
