#pragma once

#include <QString>
#include <QStringList>

namespace reader {

inline const QString kTipsFileName = QStringLiteral("VR_tips.dat");

// The tips of VR_tips.dat, one a line, numbered from 0; next and previous wrap round.
class TipList {
public:
    // LoadTips: blank lines are no tips; a missing or unreadable file gives no tips.
    static TipList LoadTips(const QString& path);
    explicit TipList(QStringList tips = {}) : tips_(std::move(tips)) {}

    bool isEmpty() const { return tips_.isEmpty(); }
    int count() const { return int(tips_.size()); }
    int last() const { return count() - 1; }
    QString tip(int number) const;

    // The random first tip: random in [0, 1) times the last number, rounded.
    int firstTip(double random) const;
    int next(int number) const { return number >= last() ? 0 : number + 1; }
    int previous(int number) const { return number <= 0 ? qMax(0, last()) : number - 1; }

private:
    QStringList tips_;
};

// The tips file: the program folder's, else the current folder's, else the one beside the
// store (where the store builder puts it); empty when there is none.
QString FindTipsFile(const QString& programFolder, const QString& dataFolder);

} // namespace reader
