#include "platform/AnsiCodePage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTemporaryFile>
#include <array>
#include <cstdio>

namespace platform {

namespace {

constexpr int kUnmapped = 63;

// Unicode of the bytes 0x80 to 0x9F. The five bytes Windows-1252 leaves undefined map to
// the C1 control of the same value, as Windows itself decodes them.
constexpr std::array<char16_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DecodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = (code >= 0x80 && code < 0xA0) ? QChar(kHighBlock[code - 0x80]) : QChar(code);
    }
    return text;
}

} // namespace

int AnsiCode(QChar c) {
    const char16_t unicode = c.unicode();
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF))
        return unicode;
    for (std::size_t i = 0; i < kHighBlock.size(); ++i) {
        if (kHighBlock[i] == unicode)
            return static_cast<int>(0x80 + i);
    }
    return kUnmapped;
}

QString ReadTextFile(const QString& path, bool* ok) {
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (ok)
        *ok = opened;
    if (!opened)
        return {};
    const QByteArray bytes = file.readAll();
    // A read that stops on an error (a failing disk) would pass a part of the file for all of it.
    if (file.error() != QFileDevice::NoError) {
        if (ok)
            *ok = false;
        return {};
    }
    // Stateless, so a sequence cut off at the end of the file counts as invalid too.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return DecodeWindows1252(bytes);
    return text;
}

bool WriteTextFile(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text.toUtf8();
    // commit() does not notice a flush that fails (a full disk) and would put the cut-short
    // file in place of the old one; flushing first catches it.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool WriteScratchFile(const QString& path, const QString& text) {
    const QFileInfo target(path);
    QTemporaryFile file(target.dir().filePath(target.completeBaseName() +
                                              QStringLiteral("-XXXXXX.") + target.suffix()));
    if (!file.open())
        return false;
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush())
        return false;
    file.close();
    // rename replaces an older file in one step, where QFile::rename would refuse.
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
}

} // namespace platform
