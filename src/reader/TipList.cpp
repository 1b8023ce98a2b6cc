#include "reader/TipList.h"

#include "platform/AnsiCodePage.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>

namespace reader {

TipList TipList::LoadTips(const QString& path) {
    bool ok = false;
    const QString text = platform::ReadTextFile(path, &ok);
    QStringList tips;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")))) {
        if (!line.trimmed().isEmpty())
            tips.append(line.trimmed());
    }
    return TipList(ok ? tips : QStringList());
}

QString TipList::tip(int number) const {
    return number >= 0 && number < count() ? tips_.at(number) : QString();
}

int TipList::firstTip(double random) const {
    if (isEmpty())
        return 0;
    return qBound(0, int(std::lround(random * last())), last());
}

QString FindTipsFile(const QString& programFolder, const QString& dataFolder) {
    for (const QString& folder : {programFolder, QDir::currentPath(), dataFolder}) {
        const QString path = platform::JoinPath(folder, kTipsFileName);
        if (!folder.isEmpty() && QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace reader
