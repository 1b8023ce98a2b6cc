#pragma once

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

// What the programs print and what their manual pages say, for tests that hold both to the
// programs' real options and to Indonesian.
namespace programs {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

// Runs program without any display to reach.
inline Run Start(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// English words of a text the user reads. Option names ("--help", "-h") and the given
// paths are not words of the text and are left out first; so are the loanwords given, which
// the programs' Indonesian messages use ("Folder sumber dan tujuan tidak boleh sama.").
inline QStringList EnglishWords(QString text, const QStringList& paths = {},
                                const QStringList& loanwords = {}) {
    for (const QString& path : paths)
        text.remove(path);
    static const QRegularExpression option(QStringLiteral("(^|[\\s\\[,'])--?[A-Za-z][\\w-]*"));
    text.replace(option, QStringLiteral("\\1"));
    static const QRegularExpression english(
        QStringLiteral("\\b(usage|options?|arguments?|displays|help|version|information|"
                       "including|specific|files?|folders?|unknown|missing|value|unexpected|"
                       "after|the|and|of|for|with|such|table|column|error|failed|unable|"
                       "malformed|syntax|near|not|is|no)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList found;
    for (auto it = english.globalMatch(text); it.hasNext();) {
        const QString word = it.next().captured(0);
        if (!loanwords.contains(word, Qt::CaseInsensitive))
            found << word;
    }
    return found;
}

// The long options a help text lists, in order ("--source").
inline QStringList HelpOptions(const QString& help) {
    static const QRegularExpression option(QStringLiteral("^\\s+(?:-\\w, )?(--[\\w-]+)"),
                                           QRegularExpression::MultilineOption);
    QStringList options;
    for (auto it = option.globalMatch(help); it.hasNext();)
        options << it.next().captured(1);
    return options;
}

struct ManPage {
    QStringList options;  // the long options its OPSI section explains, in order
    QStringList optional; // those its synopsis shows in brackets
    QStringList synopsis; // every option its synopsis shows
};

inline ManPage ReadManPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QString page = QString::fromUtf8(file.readAll());
    const qsizetype opsi = page.indexOf(QStringLiteral(".SH OPSI"));
    const qsizetype end = page.indexOf(QStringLiteral(".SH "), opsi + 1);
    const QString synopsis = page.left(page.indexOf(QStringLiteral(".SH DESKRIPSI")));
    const QString options = page.mid(opsi, end < 0 ? -1 : end - opsi);
    static const QRegularExpression name(QStringLiteral("\\\\-\\\\-([\\w\\\\-]+)"));
    static const QRegularExpression bracketed(QStringLiteral("^\\.RB \\[ \\\\-\\\\-([\\w\\\\-]+)"),
                                              QRegularExpression::MultilineOption);
    static const QRegularExpression explained(
        QStringLiteral("^\\.TP\\n\\.B[IR]? [^\\n]*?\\\\-\\\\-([\\w\\\\-]+)"),
        QRegularExpression::MultilineOption);
    const auto collect = [](const QRegularExpression& pattern, const QString& text) {
        QStringList found;
        for (auto it = pattern.globalMatch(text); it.hasNext();) {
            const QString option = QStringLiteral("--") + it.next().captured(1).remove(u'\\');
            if (!found.contains(option))
                found << option;
        }
        return found;
    };
    return {collect(explained, options), collect(bracketed, synopsis), collect(name, synopsis)};
}

} // namespace programs
