#include "reader/ReaderSettings.h"

#include "platform/Folders.h"
#include "platform/SettingsStore.h"
#include "search/QueryKeyHash.h"
#include "store/Schema.h"

#include <QFileInfo>

namespace reader {

namespace {
const QString kOpsi = QStringLiteral("Opsi");
const QString kKitab = QStringLiteral("kitab");
const QString kFont = QStringLiteral("font");
const QString kLocation = QStringLiteral("Location");
// No font is drawn this large; a bigger stored size is a damaged value.
constexpr double kLargestFontSize = 400;

QString Flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

const QStringList& OpsiKeys() {
    static const QStringList keys{
        QStringLiteral("pbar"),    QStringLiteral("tbar"),    QStringLiteral("sbar"),
        QStringLiteral("klist"),   QStringLiteral("bbar"),    QStringLiteral("Tip"),
        QStringLiteral("flush"),   QStringLiteral("Optimal"), QStringLiteral("splitIntro"),
        QStringLiteral("saveset"), QStringLiteral("Etika")};
    return keys;
}

const QStringList& KitabKeys() {
    static const QStringList keys{QStringLiteral("aktif1"), QStringLiteral("aktif2"),
                                  QStringLiteral("perj"),   QStringLiteral("buku"),
                                  QStringLiteral("pasal"),  QStringLiteral("padanan")};
    return keys;
}

} // namespace

ReaderSettings::ReaderSettings(platform::SettingsStore& store, const QString& programFolder)
    : store_(store), key_(InstallationKey(programFolder)) {}

const QString& ReaderSettings::filePath() const {
    return store_.filePath();
}

QString ReaderSettings::InstallationKey(const QString& programFolder) {
    return search::QueryKeyHash(programFolder);
}

QString ReaderSettings::location(const QString& defaultPath) const {
    const QString stored = value(kOpsi, kLocation, defaultPath);
    return QFileInfo(stored).isDir() ? platform::JoinPath(stored, store::kDataFileName) : stored;
}

bool ReaderSettings::setLocation(const QString& dataPath) {
    return store_.set(key_, kOpsi, kLocation, dataPath);
}

void ReaderSettings::resetLocation() {
    setLocation(QStringLiteral("XYZ"));
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
    return {number(kKitab, QStringLiteral("perj"), 1) == 1, position(QStringLiteral("buku"), 0),
            position(QStringLiteral("pasal"), 0)};
}

bool ReaderSettings::tipsAtStart() const {
    return number(kOpsi, QStringLiteral("Tip"), 0) == 1;
}

bool ReaderSettings::etikaAtStart() const {
    return number(kOpsi, QStringLiteral("Etika"), 0) == 1;
}

void ReaderSettings::setTipsAtStart(bool show) {
    tipsChosen_ = true;
    writeFlag(QStringLiteral("Tip"), show);
}

void ReaderSettings::setEtikaAtStart(bool show) {
    etikaChosen_ = show;
    writeFlag(QStringLiteral("Etika"), show);
}

QString ReaderSettings::fontName() const {
    const QString name = value(kFont, QStringLiteral("name"), {}).trimmed();
    return name.isEmpty() ? platform::kDefaultFontName : name;
}

double ReaderSettings::fontSize() const {
    bool ok = false;
    const double size = value(kFont, QStringLiteral("size"), {}).trimmed().toDouble(&ok);
    return ok && size >= 1 && size <= kLargestFontSize ? size : platform::kDefaultFontSize;
}

OptionSettings ReaderSettings::LoadSettings() const {
    OptionSettings o;
    o.saveSettings = isOne(QStringLiteral("saveset"), false);
    o.tipsAtStart = nonZero(QStringLiteral("Tip"), false);
    o.deleteResults = nonZero(QStringLiteral("flush"), false);
    o.statusLine = isOne(QStringLiteral("sbar"), true);
    o.toolBar = isOne(QStringLiteral("tbar"), true);
    o.specialToolBar = isOne(QStringLiteral("bbar"), true);
    o.bookPanel = isOne(QStringLiteral("klist"), true);
    o.searchBar = isOne(QStringLiteral("pbar"), true);
    o.optimal = nonZero(QStringLiteral("optimal"), true);
    o.separateIntro = nonZero(QStringLiteral("splitIntro"), true);
    o.fontName = fontName();
    o.fontSize = fontSize();
    return o;
}

bool ReaderSettings::SaveSettings(const SavedSettings& saved) {
    const OptionSettings& o = saved.options;
    // Every key is tried even after a failure: a key that can still be written is kept.
    bool ok = true;
    if (!o.saveSettings) {
        ok = DeleteSettings();
        if (tipsChosen_)
            ok &= writeFlag(QStringLiteral("Tip"), o.tipsAtStart);
        if (etikaChosen_)
            ok &= writeFlag(QStringLiteral("Etika"), *etikaChosen_);
        return ok;
    }
    ok &= writeFlag(QStringLiteral("pbar"), o.searchBar);
    ok &= writeFlag(QStringLiteral("tbar"), o.toolBar);
    ok &= writeFlag(QStringLiteral("sbar"), o.statusLine);
    ok &= writeFlag(QStringLiteral("klist"), o.bookPanel);
    ok &= writeFlag(QStringLiteral("bbar"), o.specialToolBar);
    ok &= writeFlag(QStringLiteral("Tip"), o.tipsAtStart);
    ok &= writeFlag(QStringLiteral("flush"), o.deleteResults);
    ok &= writeFlag(QStringLiteral("Optimal"), o.optimal);
    ok &= writeFlag(QStringLiteral("splitIntro"), o.separateIntro);
    ok &= writeFlag(QStringLiteral("saveset"), o.saveSettings);
    ok &= write(kFont, QStringLiteral("size"), QString::number(o.fontSize));
    ok &= write(kFont, QStringLiteral("name"), o.fontName);
    ok &= write(kKitab, QStringLiteral("aktif1"), QString::number(saved.activeNr));
    ok &= write(kKitab, QStringLiteral("aktif2"), QString::number(saved.parallelNr));
    ok &= write(kKitab, QStringLiteral("perj"),
                saved.last.oldTestament ? QStringLiteral("1") : QStringLiteral("2"));
    ok &= write(kKitab, QStringLiteral("buku"), QString::number(saved.last.book));
    ok &= write(kKitab, QStringLiteral("pasal"), QString::number(saved.last.chapter));
    ok &= write(kKitab, QStringLiteral("padanan"), Flag(saved.parallelHidden));
    return ok;
}

bool ReaderSettings::DeleteSettings() {
    bool ok = true;
    for (const QString& key : OpsiKeys())
        ok &= store_.remove(key_, kOpsi, key);
    for (const char* key : {"size", "name"})
        ok &= store_.remove(key_, kFont, QString::fromUtf8(key));
    for (const QString& key : KitabKeys())
        ok &= store_.remove(key_, kKitab, key);
    return ok;
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

int ReaderSettings::position(const QString& key, int fallback) const {
    const int n = number(kKitab, key, fallback);
    return n >= 0 ? n : fallback;
}

bool ReaderSettings::isOne(const QString& key, bool fallback) const {
    return number(kOpsi, key, fallback ? 1 : 0) == 1;
}

bool ReaderSettings::nonZero(const QString& key, bool fallback) const {
    return number(kOpsi, key, fallback ? 1 : 0) != 0;
}

bool ReaderSettings::write(const QString& section, const QString& key, const QString& value) {
    return store_.set(key_, section, key, value);
}

bool ReaderSettings::writeFlag(const QString& key, bool on) {
    return write(kOpsi, key, Flag(on));
}

} // namespace reader
