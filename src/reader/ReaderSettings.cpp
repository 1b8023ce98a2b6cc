#include "reader/ReaderSettings.h"

#include "platform/SettingsStore.h"
#include "reader/FontRules.h"
#include "search/QueryKeyHash.h"

namespace reader {

namespace {
const QString kOpsi = QStringLiteral("Opsi");
const QString kKitab = QStringLiteral("kitab");
const QString kFont = QStringLiteral("font");
} // namespace

ReaderSettings::ReaderSettings(platform::SettingsStore& store, const QString& programFolder)
    : store_(store), key_(InstallationKey(programFolder)) {}

QString ReaderSettings::InstallationKey(const QString& programFolder) {
    return search::QueryKeyHash(programFolder);
}

QString ReaderSettings::location(const QString& defaultPath) const {
    return value(kOpsi, QStringLiteral("Location"), defaultPath);
}

bool ReaderSettings::setLocation(const QString& dataPath) {
    return store_.set(key_, kOpsi, QStringLiteral("Location"), dataPath);
}

qint32 ReaderSettings::activeNr() const {
    return number(kKitab, QStringLiteral("aktif1"), 1);
}

qint32 ReaderSettings::parallelNr() const {
    return number(kKitab, QStringLiteral("aktif2"), 1);
}

bool ReaderSettings::parallelHidden() const {
    return number(kKitab, QStringLiteral("padanan"), 1) != 0;
}

LastPosition ReaderSettings::lastPosition() const {
    return {number(kKitab, QStringLiteral("perj"), 1) == 1,
            number(kKitab, QStringLiteral("buku"), 0), number(kKitab, QStringLiteral("pasal"), 0)};
}

bool ReaderSettings::tipsAtStart() const {
    return number(kOpsi, QStringLiteral("Tip"), 0) == 1;
}

bool ReaderSettings::etikaAtStart() const {
    return number(kOpsi, QStringLiteral("Etika"), 0) == 1;
}

QString ReaderSettings::fontName() const {
    return value(kFont, QStringLiteral("name"), kDefaultFontName);
}

double ReaderSettings::fontSize() const {
    bool ok = false;
    const double size = value(kFont, QStringLiteral("size"), {}).toDouble(&ok);
    return ok && size > 0 ? size : kDefaultFontSize;
}

void ReaderSettings::markInstalled() {
    store_.set(QStringLiteral("VR2000"), QStringLiteral("CDInstall"), QStringLiteral("Installed"),
               QStringLiteral("yes"));
}

QString ReaderSettings::value(const QString& section, const QString& key,
                              const QString& fallback) const {
    return store_.get(key_, section, key, fallback);
}

int ReaderSettings::number(const QString& section, const QString& key, int fallback) const {
    bool ok = false;
    const int n = value(section, key, {}).trimmed().toInt(&ok);
    return ok ? n : fallback;
}

} // namespace reader
