#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace platform {

// The settings file's contents: values under an application name, a section and a key,
// names compared without regard to case. Groups are written as "[<app>\<section>]" and
// entries as "key=value"; "%XX" escapes the characters that would break a line or a name,
// so any text survives a round trip. A line that fits neither form is skipped on reading.
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
    struct Entry {
        QString key;
        QString value;
    };
    struct Group {
        QString app;
        QString section;
        QList<Entry> entries;
    };

    qsizetype groupIndex(const QString& app, const QString& section) const;
    static qsizetype entryIndex(const Group& group, const QString& key);

    QList<Group> groups_;
};

} // namespace platform
