#include "platform/QtTranslation.h"
#include "support/ProgramTexts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

// The programs read their options under a QCoreApplication, before any window exists: the
// translation serves Qt's command-line parser there too.
namespace {

class CommandLineTranslationTest : public testing::Test {
protected:
    void SetUp() override {
        translator = platform::InstallIndonesianQtTranslation(*QCoreApplication::instance());
        ASSERT_NE(translator, nullptr);
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption({QStringLiteral("out"), QStringLiteral("Direktori tujuan."),
                          QStringLiteral("DIREKTORI")});
        parser.addOption({QStringLiteral("yes"), QStringLiteral("Tindih.")});
        parser.addPositionalArgument(QStringLiteral("berkas"), QStringLiteral("Berkas data."));
    }
    void TearDown() override {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QString refusal(const QStringList& arguments) {
        EXPECT_FALSE(parser.parse(QStringList{QStringLiteral("program")} + arguments));
        return parser.errorText();
    }
    QTranslator* translator = nullptr;
    QCommandLineParser parser;
};

} // namespace

TEST_F(CommandLineTranslationTest, HelpAndRefusalsOfTheParserAreIndonesian) {
    const QString help = parser.helpText();
    for (const char* text :
         {"Pemakaian: ", " [opsi] berkas\n", "\nOpsi:\n", "\nArgumen:\n",
          "Menampilkan petunjuk opsi baris perintah.", "Menampilkan informasi versi."})
        EXPECT_TRUE(help.contains(QString::fromUtf8(text))) << text << help.toStdString();
    EXPECT_EQ(programs::EnglishWords(help, {QCoreApplication::applicationFilePath()}),
              QStringList())
        << help.toStdString();

    EXPECT_EQ(refusal({"--bogus"}), "Opsi 'bogus' tidak dikenal.");
    EXPECT_EQ(refusal({"--bogus", "-z"}), "Opsi tidak dikenal: bogus, z.");
    EXPECT_EQ(refusal({"--out"}), "Nilai setelah '--out' tidak ada.");
    EXPECT_EQ(refusal({"--yes=1"}), "Nilai setelah '--yes' tidak diharapkan.");
}
