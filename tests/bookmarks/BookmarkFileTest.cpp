#include "bookmarks/BookmarkFile.h"

#include <gtest/gtest.h>

using bookmarks::Bookmark;
using bookmarks::FormatBookmarkFile;
using bookmarks::ParseBookmarkFile;
using bookmarks::ParseBookmarkLine;

namespace {

const Bookmark kSermon{QStringLiteral("Khotbah di bukit"), QStringLiteral("Kitab1~~~~WEB"),
                       QStringLiteral("Matius#5:44")};
const Bookmark kPsalm{QString::fromUtf8("Mazmur — pagi"), QStringLiteral("Kitab2~~~~KJV"),
                      QStringLiteral("Mazmur#119:176")};

} // namespace

TEST(BookmarkFile, WritesOneCrLfLinePerBookmarkAndReadsItBackIdentical) {
    const QString text = FormatBookmarkFile({kSermon, kPsalm});
    EXPECT_EQ(text, QString::fromUtf8("Khotbah di bukit#@#Kitab1~~~~WEB#@#Matius#5:44\r\n"
                                      "Mazmur — pagi#@#Kitab2~~~~KJV#@#Mazmur#119:176\r\n"));
    EXPECT_EQ(ParseBookmarkFile(text), (QList<Bookmark>{kSermon, kPsalm}));
    EXPECT_TRUE(FormatBookmarkFile({}).isEmpty());
    EXPECT_TRUE(ParseBookmarkFile({}).isEmpty());
}

TEST(BookmarkFile, ANoteHoldingTheSeparatorIsLoosenedSoItsFieldsSurvive) {
    for (const char* note : {"a#@#b", "#@#", "#@#@#", "x #@##@# y", "ends#@#"}) {
        const Bookmark stored{QString::fromUtf8(note), kSermon.version, kSermon.position};
        const QList<Bookmark> back = ParseBookmarkFile(FormatBookmarkFile({stored, kPsalm}));
        ASSERT_EQ(back.size(), 2) << note;
        EXPECT_FALSE(back[0].note.contains(QStringLiteral("#@#"))) << note;
        EXPECT_EQ(back[0].version, kSermon.version) << note;
        EXPECT_EQ(back[0].position, kSermon.position) << note;
        EXPECT_EQ(back[1], kPsalm) << note;
    }
    EXPECT_EQ(ParseBookmarkFile(FormatBookmarkFile({{QStringLiteral("a#@#b"), "v", "p"}}))[0].note,
              QStringLiteral("a# @ #b"));
}

TEST(BookmarkFile, LineBreaksInsideAFieldCannotSplitTheLine) {
    const Bookmark stored{QStringLiteral("satu\r\ndua\ntiga\rempat"), kSermon.version,
                          kSermon.position};
    const QList<Bookmark> back = ParseBookmarkFile(FormatBookmarkFile({stored}));
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0].note, QStringLiteral("satu dua tiga empat"));
    EXPECT_EQ(back[0].position, kSermon.position);
}

TEST(BookmarkFile, MissingFieldsReadAsEmpty) {
    EXPECT_EQ(ParseBookmarkLine(QStringLiteral("hanya catatan")),
              (Bookmark{QStringLiteral("hanya catatan"), {}, {}}));
    EXPECT_EQ(ParseBookmarkLine(QStringLiteral("catatan#@#Kitab1~~~~WEB")),
              (Bookmark{QStringLiteral("catatan"), QStringLiteral("Kitab1~~~~WEB"), {}}));
    EXPECT_EQ(ParseBookmarkLine(QStringLiteral("#@##@#")), (Bookmark{}));
    EXPECT_EQ(ParseBookmarkLine(QStringLiteral("c#@#v#@#")),
              (Bookmark{QStringLiteral("c"), QStringLiteral("v"), {}}));
}

TEST(BookmarkFile, AnOlderLineWithTheSeparatorInItsNoteKeepsItsLastTwoFields) {
    EXPECT_EQ(ParseBookmarkLine(QStringLiteral("a#@#b#@#Kitab1~~~~WEB#@#Matius#5:44")),
              (Bookmark{QStringLiteral("a#@#b"), QStringLiteral("Kitab1~~~~WEB"),
                        QStringLiteral("Matius#5:44")}));
}

TEST(BookmarkFile, ATruncatedFileKeepsEveryWholeLineAndThePartOfTheLast) {
    const QString whole = FormatBookmarkFile({kSermon, kPsalm});
    // Cut inside the last position, inside its version, and before its first separator.
    const QList<Bookmark> cut =
        ParseBookmarkFile(whole.left(whole.indexOf(QStringLiteral(":176"))));
    ASSERT_EQ(cut.size(), 2);
    EXPECT_EQ(cut[0], kSermon);
    EXPECT_EQ(cut[1].position, QStringLiteral("Mazmur#119"));
    const qsizetype inVersion = whole.indexOf(QStringLiteral("KJV"));
    EXPECT_EQ(ParseBookmarkFile(whole.left(inVersion))[1],
              (Bookmark{kPsalm.note, QStringLiteral("Kitab2~~~~"), {}}));
    const qsizetype inNote = whole.indexOf(QStringLiteral("pagi"));
    EXPECT_EQ(ParseBookmarkFile(whole.left(inNote))[1],
              (Bookmark{QString::fromUtf8("Mazmur — "), {}, {}}));
}

TEST(BookmarkFile, AcceptsBareLineFeedsAndSkipsEmptyLines) {
    const QString text = QStringLiteral("a#@#v#@#Kejadian#1:1\n\r\n\nb#@#w#@#Wahyu#22:21");
    EXPECT_EQ(ParseBookmarkFile(text),
              (QList<Bookmark>{{"a", "v", "Kejadian#1:1"}, {"b", "w", "Wahyu#22:21"}}));
}

TEST(PositionToOffer, CountsFromOneAndOffersVerseOneWithoutAChosenVerse) {
    using bookmarks::PositionToOffer;
    const QString book = QStringLiteral("Matius");
    EXPECT_EQ(PositionToOffer(book, 4, -1), (scripture::BookmarkPosition{book, 5, 1}));
    EXPECT_EQ(PositionToOffer(book, 0, 0), (scripture::BookmarkPosition{book, 1, 1}));
    EXPECT_EQ(PositionToOffer(book, 4, 43), (scripture::BookmarkPosition{book, 5, 44}));
}

TEST(NoteFromEditor, JoinsLinesWithOneBlankAndTrims) {
    using bookmarks::NoteFromEditor;
    EXPECT_EQ(NoteFromEditor(QStringLiteral("  baris satu\r\nbaris dua\nbaris tiga  ")),
              QStringLiteral("baris satu baris dua baris tiga"));
    EXPECT_EQ(NoteFromEditor(QStringLiteral("a\n\nb")), QStringLiteral("a  b"));
    EXPECT_EQ(NoteFromEditor(QStringLiteral("x\u2029y")), QStringLiteral("x y"));
    EXPECT_TRUE(NoteFromEditor(QStringLiteral(" \r\n \n ")).isEmpty());
    EXPECT_TRUE(NoteFromEditor({}).isEmpty());
}
