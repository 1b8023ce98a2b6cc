#include "platform/QtTranslation.h"

#include "support/ProgramTexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

// The translation stays installed only for the test that asks for it.
class QtTranslationTest : public testing::Test {
protected:
    void SetUp() override {
        translator = platform::InstallIndonesianQtTranslation(*QCoreApplication::instance());
        ASSERT_NE(translator, nullptr);
    }
    void TearDown() override {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QTranslator* translator = nullptr;
};

TEST_F(QtTranslationTest, QtsOwnTextsReadInIndonesian) {
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Batal");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ya");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&No"), "&Tidak");
    EXPECT_EQ(QCoreApplication::translate("QWidgetTextControl", "Select All"), "Pilih Semua");
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), "Cetak");
}

TEST_F(QtTranslationTest, DialogsShowTheIndonesianTexts) {
    QMessageBox box(QMessageBox::Warning, "Lokasi Data", "Teks",
                    QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), "Batal");
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), "OK");

    QFontDialog font;
    EXPECT_EQ(font.windowTitle(), "Pilih Huruf");
    QColorDialog colour;
    EXPECT_EQ(colour.windowTitle(), "Pilih Warna");
    QFileDialog file;
    file.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(file.labelText(QFileDialog::LookIn), "Cari di:");
    EXPECT_EQ(file.labelText(QFileDialog::Reject), "Batal");
}

} // namespace

// Every text of the font dialog, writing systems included, is Indonesian; what its lists
// show besides is the names of the installed fonts and their styles.
TEST_F(QtTranslationTest, TheFontDialogHasNoEnglishWord) {
    const std::pair<const char*, const char*> texts[] = {
        {"&Font", "&Huruf"},           {"Font st&yle", "&Gaya huruf"},
        {"&Size", "&Ukuran"},          {"Effects", "Efek"},
        {"Stri&keout", "&Coret"},      {"&Underline", "Garis &bawah"},
        {"Sample", "Contoh"},          {"Wr&iting System", "&Sistem Tulisan"},
        {"Select Font", "Pilih Huruf"}};
    for (const auto& [source, translation] : texts)
        EXPECT_EQ(QCoreApplication::translate("QFontDialog", source), translation) << source;
    EXPECT_EQ(QFontDatabase::writingSystemName(QFontDatabase::Any), "Semua");
    EXPECT_EQ(QFontDatabase::writingSystemName(QFontDatabase::Greek), "Yunani");

    QFontDialog dialog;
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    QStringList shown{dialog.windowTitle()};
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        shown << label->text();
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        shown << button->text();
    for (const QGroupBox* box : dialog.findChildren<QGroupBox*>())
        shown << box->title();
    for (const QComboBox* combo : dialog.findChildren<QComboBox*>()) {
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
    }
    EXPECT_TRUE(shown.contains("Semua"));
    EXPECT_EQ(programs::EnglishWords(shown.join(u'\n')), QStringList())
        << shown.join(u'|').toStdString();
}
