#include "platform/QtTranslation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
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
