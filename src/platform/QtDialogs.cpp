#include "platform/QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace platform {

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QWidget* QtDialogs::owner() const {
    // The window the user works in owns the dialog, so that it stays above that window and
    // does not bring another one forward.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return parent_;
}

DialogResult QtDialogs::message(const QString& text, MessageButtons buttons, MessageIcon icon,
                                const QString& title) {
    const QMessageBox::StandardButtons shown = buttons == MessageButtons::OkCancel
                                                   ? QMessageBox::Ok | QMessageBox::Cancel
                                                   : QMessageBox::Ok;
    QMessageBox box(ToQtIcon(icon), title, text, shown, owner());
    // Messages carry store texts and paths, which must never be taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? DialogResult::Ok : DialogResult::Cancel;
}

QString QtDialogs::chooseFolder(const QString& title) {
    return QFileDialog::getExistingDirectory(owner(), title, QString(), QFileDialog::ShowDirsOnly);
}

QString QtDialogs::openFile(const QString& title, const QString& filter) {
    return remember(QFileDialog::getOpenFileName(owner(), title, startFolder(), filter));
}

QString QtDialogs::saveFile(const QString& title, const QString& filter) {
    return remember(QFileDialog::getSaveFileName(owner(), title, startFolder(), filter));
}

QString QtDialogs::startFolder() const {
    // The program's folder is read-only once installed: files start among the user's own.
    return lastFolder_.isEmpty()
               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
               : lastFolder_;
}

QString QtDialogs::remember(const QString& file) {
    if (!file.isEmpty())
        lastFolder_ = QFileInfo(file).absolutePath();
    return file;
}

std::optional<FontChoice> QtDialogs::chooseFont(const FontChoice& initial) {
    QFont preset(initial.name);
    preset.setPointSizeF(initial.size);
    preset.setBold(initial.bold);
    preset.setItalic(initial.italic);
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, preset, owner());
    if (!ok)
        return std::nullopt;
    // A font given in pixels has no point size; keep the one offered then.
    const double size = font.pointSizeF() > 0 ? font.pointSizeF() : initial.size;
    return FontChoice{font.family(), size, font.bold(), font.italic()};
}

std::optional<quint32> QtDialogs::chooseColor(quint32 initial) {
    const QColor color = QColorDialog::getColor(QColor::fromRgb(initial), owner());
    if (!color.isValid())
        return std::nullopt;
    return color.rgb() & 0xFFFFFFu;
}

} // namespace platform
