#pragma once

#include <QAccessible>
#include <QStringList>
#include <QWidget>

// What a screen reader makes of a window: its accessible tree, walked for controls it
// could only call "button" or "list".
namespace accessible {

inline bool Interactive(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::List:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::PageTab:
    case QAccessible::PageTabList:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::Table:
    case QAccessible::Tree:
        return true;
    default:
        return false;
    }
}

// The interactive controls of a window's accessible tree that a screen reader cannot name.
inline void CollectUnnamed(QAccessibleInterface* node, const QString& path, QStringList& unnamed) {
    if (!node || node->state().invisible)
        return;
    const QString name = node->text(QAccessible::Name).trimmed();
    QObject* object = node->object();
    const QString where = path + u'/' +
                          (object ? object->objectName() + u':' + object->metaObject()->className()
                                  : QString::number(int(node->role())));
    if (Interactive(node->role()) && name.isEmpty())
        unnamed.append(where);
    for (int i = 0; i < node->childCount(); ++i)
        CollectUnnamed(node->child(i), where, unnamed);
}

inline QStringList Unnamed(QWidget* window) {
    QStringList unnamed;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    if (root->text(QAccessible::Name).trimmed().isEmpty())
        unnamed.append(window->objectName() + QStringLiteral(" (window)"));
    CollectUnnamed(root, window->objectName(), unnamed);
    return unnamed;
}

} // namespace accessible
