#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace platform {

// The settings file's contents: values under an application name, a section and a key,
// names compared without regard to case. Groups are written as "[<app>\<section>]" and
// entries as "key=value"; "%XX" escapes the characters that would break a line or a name,
// so any text survives a round trip. Lines that fit neither form (comments, a damaged
// header and the lines under it) are not read but are written back as they were, so a
// hand edit gone wrong loses nothing. Parsing takes time linear in the text.
class IniDocument {
public:
    static IniDocument Parse(QStringView text);
    QString toText() const;

    std::optional<QString> value(const QString& app, const QString& section,
                                 const QString& key) const;
    // Both return false when the document is left unchanged. A new name keeps the spelling
    // it is first written with; later writes with another case reuse it.
    bool setValue(const QString& app, const QString& section, const QString& key,
                  const QString& value);
    bool remove(const QString& app, const QString& section, const QString& key);

private:
    struct Line {
        QString key; // empty for a line kept as it was read
        QString value;
        QString verbatim;
    };
    // A block without a name holds only verbatim lines: those before the first header or
    // under a damaged one.
    struct Block {
        std::optional<std::pair<QString, QString>> name;
        QList<Line> lines;
        QHash<QString, qsizetype> keys; // folded key -> index in lines
    };

    qsizetype groupIndex(const QString& app, const QString& section) const;
    qsizetype addGroup(const QString& app, const QString& section);
    void removeBlock(qsizetype index);
    static bool setLine(Block& block, const QString& key, const QString& value);

    QList<Block> blocks_;
    QHash<QString, qsizetype> groups_; // folded "app\section" -> index in blocks_
};

} // namespace platform
