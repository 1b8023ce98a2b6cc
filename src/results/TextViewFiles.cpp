#include "results/TextViewFiles.h"

#include "platform/AnsiCodePage.h"
#include "results/RichText.h"
#include "results/ShownText.h"
#include "search/ResultsFile.h"

#include <QFile>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace results {
namespace {

std::vector<RichRun> Runs(const QTextEdit& view) {
    std::vector<RichRun> runs;
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
        if (block != view.document()->begin())
            runs.push_back({QStringLiteral("\n"), false, 0});
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const bool colored = format.foreground().style() != Qt::NoBrush;
            runs.push_back({fragment.text(), format.fontWeight() >= QFont::Bold,
                            colored ? quint32(format.foreground().color().rgb() & 0xffffff) : 0u});
        }
    }
    return runs;
}

bool WriteBytes(const QString& file, const QByteArray& bytes) {
    QSaveFile out(file);
    // The explicit flush: commit() would not notice a full disk and put a cut-short file in
    // place. Uncommitted, the temporary file is removed with out.
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush() &&
           out.commit();
}

void ShowRuns(QTextEdit& view, const std::vector<RichRun>& runs) {
    view.clear();
    QTextCursor cursor(view.document());
    for (const RichRun& run : runs) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        if (run.color != 0)
            format.setForeground(QColor::fromRgb(run.color));
        cursor.insertText(run.text, format);
    }
}

} // namespace

bool SaveView(const QTextEdit& view, const QString& file) {
    if (IsRtfName(file))
        return WriteBytes(file, WriteRtf(Runs(view), view.font().family()));
    QString text = view.toPlainText();
    return platform::WriteTextFile(file, text.replace(u'\n', search::kCrLf));
}

bool LoadView(QTextEdit& view, const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = in.peek(8);
    if (LooksLikeRtf(head)) {
        ShowRuns(view, ReadRtf(in.readAll()));
        return true;
    }
    in.close();
    bool ok = false;
    QString text = platform::ReadTextFile(file, &ok);
    if (!ok)
        return false;
    view.setPlainText(text.replace(search::kCrLf, QStringLiteral("\n")));
    return true;
}

bool LoadResultsView(QTextEdit& view, const QString& file) {
    bool ok = false;
    const QString text = platform::ReadTextFile(file, &ok);
    if (!ok)
        return false;
    view.setPlainText(ShownText(text).replace(search::kCrLf, QStringLiteral("\n")));
    return true;
}

} // namespace results
