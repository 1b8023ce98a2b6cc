#include "results/RichText.h"

#include <gtest/gtest.h>

using namespace results;

namespace {

TEST(RichText, RoundTripsBoldColourAndTextOutsideAscii) {
    const std::vector<RichRun> runs = {{QStringLiteral("5:44 Tetapi "), false, 0},
                                       {QStringLiteral("Kasih"), true, 0x0000ff},
                                       {QStringLiteral("ilah {musuhmu}\\\nYoél ὁ λόγος"), false, 0},
                                       {QStringLiteral("kasih"), true, 0}};
    const QByteArray rtf = WriteRtf(runs, QStringLiteral("Times New Roman"));
    EXPECT_TRUE(LooksLikeRtf(rtf));
    const std::vector<RichRun> back = ReadRtf(rtf);
    ASSERT_EQ(back.size(), runs.size());
    for (size_t k = 0; k < runs.size(); ++k) {
        EXPECT_EQ(back[k].text, runs[k].text) << k;
        EXPECT_EQ(back[k].bold, runs[k].bold) << k;
        EXPECT_EQ(back[k].color, runs[k].color) << k;
    }
}

TEST(RichText, ReadsCommonWordsOfOtherWriters) {
    const QByteArray rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
        "{\\*\\generator Writer;}\\f0 caf\\'e9 \\b tebal\\b0\\line "
        "\\cf1 merah\\par\\tab akhir}";
    const std::vector<RichRun> runs = ReadRtf(rtf);
    QString text;
    for (const RichRun& run : runs)
        text += run.text;
    EXPECT_EQ(text, QStringLiteral("café tebal\nmerah\n\takhir"));
    for (const RichRun& run : runs) {
        EXPECT_EQ(run.bold, run.text == QStringLiteral("tebal")) << qPrintable(run.text);
        EXPECT_EQ(run.color == 0xff0000u, run.text.contains(QStringLiteral("merah")))
            << qPrintable(run.text);
    }
}

TEST(RichText, KnowsRtfNamesInAnyLetterCase) {
    EXPECT_TRUE(IsRtfName(QStringLiteral("/tmp/hasil.RTF")));
    EXPECT_TRUE(IsRtfName(QStringLiteral("hasil.rTf")));
    EXPECT_FALSE(IsRtfName(QStringLiteral("hasil.rtf.txt")));
    EXPECT_FALSE(IsRtfName(QStringLiteral("rtf")));
}

TEST(RichText, ReferenceKeyComesFromTheVerseLineAndTheBookLineAboveIt) {
    const QStringList lines = {QStringLiteral("caption"),
                               QString(),
                               QStringLiteral("Matius 5"),
                               QStringLiteral("5:44 Tetapi Aku berkata"),
                               QString(),
                               QStringLiteral("Kidung Agung 2"),
                               QStringLiteral("2:1 Bunga")};
    EXPECT_EQ(ReferenceKeyOfLine(lines, 3), QStringLiteral("Matius#5:44"));
    EXPECT_EQ(ReferenceKeyOfLine(lines, 6), QStringLiteral("Kidung Agung#2:1"));
    EXPECT_TRUE(ReferenceKeyOfLine(lines, 2).isEmpty());
    EXPECT_TRUE(ReferenceKeyOfLine(lines, 0).isEmpty());
    EXPECT_TRUE(ReferenceKeyOfLine(lines, 7).isEmpty());
    EXPECT_TRUE(
        ReferenceKeyOfLine({QStringLiteral("Matius 6"), QStringLiteral("5:44 x")}, 1).isEmpty());
}

} // namespace
