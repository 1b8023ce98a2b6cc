#include "reader/Icons.h"

#include <QStringList>

// The icons live in this static library; the linker keeps them only when asked for.
static void LoadReaderIcons() {
    Q_INIT_RESOURCE(ReaderIcons);
}

namespace reader {

namespace {

QIcon ResourceIcon(const QString& path) {
    static const bool loaded = (LoadReaderIcons(), true);
    Q_UNUSED(loaded);
    return QIcon(QStringLiteral(":/reader/icons/") + path);
}

const QStringList& ToolButtonIconNames() {
    // Button 10 shows the picture of the results page last chosen; it starts as 13's.
    static const QStringList names{
        QStringLiteral("parallel"),   QStringLiteral("pericope"), QStringLiteral("intro"),
        QStringLiteral("parables"),   QStringLiteral("prophecy"), QStringLiteral("maps"),
        QStringLiteral("dictionary"), QStringLiteral("deutero"),  QStringLiteral("bookmark"),
        QStringLiteral("results"),    QStringLiteral("clipbook"), QStringLiteral("searchlist"),
        QStringLiteral("results")};
    return names;
}

} // namespace

QIcon NamedIcon(const QString& name) {
    return ResourceIcon(name + QStringLiteral(".svg"));
}

QIcon ToolButtonIcon(int toolButton) {
    if (toolButton < 1 || toolButton > ToolButtonIconNames().size())
        return {};
    return NamedIcon(ToolButtonIconNames().at(toolButton - 1));
}

QIcon SpecialButtonImage(int blueButton, bool available) {
    const QString set = available ? QStringLiteral("set2") : QStringLiteral("set3");
    return ResourceIcon(QStringLiteral("%1/blue%2.svg").arg(set).arg(blueButton));
}

} // namespace reader
