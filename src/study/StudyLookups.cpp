#include "study/StudyLookups.h"

#include "results/ClipBook.h"

#include <algorithm>

namespace study {

namespace {

// Names match without regard to letter case or the blanks round them.
bool SameName(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

template <typename Row, typename Key>
const Row* FindFirst(const std::vector<Row>& rows, const Key& key) {
    const auto it = std::find_if(rows.begin(), rows.end(), key);
    return it == rows.end() ? nullptr : &*it;
}

} // namespace

QString ProperCase(const QString& text) {
    QString result = text.toLower();
    bool wordStart = true;
    for (QChar& c : result) {
        if (wordStart && c.isLetterOrNumber())
            c = c.toUpper();
        wordStart = c.isSpace();
    }
    return result;
}

const store::ParableRow* FindParable(const std::vector<store::ParableRow>& rows,
                                     const QString& name) {
    return FindFirst(rows,
                     [&](const store::ParableRow& r) { return SameName(r.perumpamaan, name); });
}

QStringList GospelReferences(const store::ParableRow& row) {
    return {row.matius, row.markus, row.lukas, row.yohanes};
}

int FirstGospel(const QStringList& references) {
    for (int i = 0; i < references.size(); ++i) {
        if (!references[i].trimmed().isEmpty())
            return i;
    }
    return -1;
}

const store::ProphecyRow* FindProphecy(const std::vector<store::ProphecyRow>& rows,
                                       const QString& name) {
    return FindFirst(rows, [&](const store::ProphecyRow& r) { return SameName(r.nubuat, name); });
}

QStringList ThematicReferences(const std::vector<store::ThematicRow>& rows, const QString& topic) {
    // Views, not copies: the rows of a full store run to tens of thousands.
    const QStringView key = QStringView(topic).trimmed();
    QStringList references;
    for (const auto& row : rows) {
        if (QStringView(row.topik).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            references.append(row.ayat);
    }
    return references;
}

QString ThematicHeading(const QString& topic, const QString& reference) {
    const qsizetype hash = reference.indexOf(u'#');
    return topic + u'\n' + reference.left(hash + 1) + u' ';
}

QString ClipBookEntry(const QString& heading, const QString& selectedText) {
    return results::ClipBookEntry(selectedText, heading, QString(), QString());
}

} // namespace study
