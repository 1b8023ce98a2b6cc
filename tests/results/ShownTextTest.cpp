#include "results/ShownText.h"

#include <gtest/gtest.h>

using namespace results;

namespace {

const QString kVerse = QStringLiteral("1:1 Pada mulanya Allah menciptakan langit dan bumi.\r\n");

} // namespace

TEST(ShownText, TextsWithinTheLimitsComeBackUnchanged) {
    QString chapter;
    while (chapter.size() + kVerse.size() <= kMostShownChapter)
        chapter += kVerse;
    EXPECT_EQ(ShownText(chapter, kMostShownChapter), chapter);
    const QString line = QString(kMostShownLine - 1, u'a') + u'\n';
    EXPECT_EQ(ShownText(line + line), line + line);
    EXPECT_TRUE(ShownText(QString()).isNull());
}

TEST(ShownText, AChapterBeyondTheLimitEndsAtALineWithTheNotice) {
    QString chapter;
    while (chapter.size() <= kMostShownChapter)
        chapter += kVerse;
    const QString shown = ShownText(chapter, kMostShownChapter);
    const QString kept = shown.left(shown.size() - CutTextNotice().size());
    EXPECT_TRUE(shown.endsWith(CutTextNotice()));
    EXPECT_TRUE(kept.endsWith(kVerse)); // whole verses only
    EXPECT_LE(kept.size(), kMostShownChapter);
    EXPECT_GT(kept.size(), kMostShownChapter - kVerse.size());
    EXPECT_TRUE(chapter.startsWith(kept));
    // Without a limit on the whole, every line of it stays.
    EXPECT_EQ(ShownText(chapter), chapter);
}

TEST(ShownText, ALongLineIsCutAloneAndTheLinesAfterItStay) {
    const QString longLine = QStringLiteral("1:1 ") + QString(3 * kMostShownLine, u'a');
    const QString shown = ShownText(longLine + QStringLiteral("\r\n") + kVerse);
    EXPECT_EQ(shown, longLine.left(kMostShownLine) + u'\n' + kVerse + CutTextNotice());

    // U+1D11E takes two UTF-16 units and the limit falls between them: both go.
    const QString surrogates =
        QString(kMostShownLine - 1, u'a') + QString::fromUcs4(U"\U0001D11E") + u'b';
    EXPECT_EQ(ShownText(surrogates), QString(kMostShownLine - 1, u'a') + u'\n' + CutTextNotice());
}
