#include "platform/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(ScriptedDialogs, RecordsMessagesAndAnswersFromTheQueueThenOk) {
    ScriptedDialogs dialogs;
    dialogs.queueAnswer(DialogResult::Cancel);
    EXPECT_EQ(dialogs.message("Hapus?", MessageButtons::OkCancel, MessageIcon::Question, "VR"),
              DialogResult::Cancel);
    EXPECT_EQ(dialogs.message("Selesai", MessageButtons::Ok, MessageIcon::Information, ""),
              DialogResult::Ok);

    ASSERT_EQ(dialogs.messages().size(), 2);
    const RecordedMessage& first = dialogs.messages().front();
    EXPECT_EQ(first.text, "Hapus?");
    EXPECT_EQ(first.buttons, MessageButtons::OkCancel);
    EXPECT_EQ(first.icon, MessageIcon::Question);
    EXPECT_EQ(first.title, "VR");
    EXPECT_EQ(dialogs.messages().back().icon, MessageIcon::Information);

    dialogs.clear();
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST(ScriptedDialogs, ChoicesComeFromTheirQueuesAndEmptyQueuesCancel) {
    ScriptedDialogs dialogs;
    dialogs.queueFolder("/media/cd");
    dialogs.queueFile("/tmp/a.rtf");
    dialogs.queueFile("/tmp/b.txt");
    dialogs.queueFont(FontChoice{"Gentium", 12.5, true, false});
    dialogs.queueColor(0xFF0000u);

    EXPECT_EQ(dialogs.chooseFolder("Pilih folder"), "/media/cd");
    EXPECT_EQ(dialogs.chooseFolder("Lagi"), "");
    EXPECT_EQ(dialogs.openFile("Buka", "Teks (*.txt)"), "/tmp/a.rtf");
    EXPECT_EQ(dialogs.saveFile("Simpan", "Teks (*.txt)"), "/tmp/b.txt");
    EXPECT_EQ(dialogs.saveFile("Simpan lagi", ""), "");
    EXPECT_EQ(dialogs.requests(),
              QStringList({"Pilih folder", "Lagi", "Buka", "Simpan", "Simpan lagi"}));

    const auto font = dialogs.chooseFont(FontChoice{"Times New Roman", 10, false, false});
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->name, "Gentium");
    EXPECT_DOUBLE_EQ(font->size, 12.5);
    EXPECT_TRUE(font->bold);
    EXPECT_FALSE(dialogs.chooseFont(FontChoice{}).has_value());
    EXPECT_EQ(dialogs.fontRequests().front().name, "Times New Roman");

    EXPECT_EQ(dialogs.chooseColor(0x0000FFu), 0xFF0000u);
    EXPECT_FALSE(dialogs.chooseColor(0).has_value());
    EXPECT_EQ(dialogs.colorRequests(), QList<quint32>({0x0000FFu, 0u}));
}

} // namespace
