#include "study/DeuteroBooks.h"

#include "store/Store.h"

#include <algorithm>

namespace study {

namespace {

const std::array<int, kDeuteroBookCount> kChapterCounts = {14, 16, 6, 19, 51, 6, 3, 16, 15};

const std::array<const char*, kDeuteroVersionCount> kFixedTitles = {
    "Deuterokanonika Terjemahan Baru", "Deuterokanonika Toba",
    "Deuterokanonika Bahasa Indonesia Sehari-hari"};

QStringList Names(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* name : names)
        list.append(QString::fromUtf8(name));
    return list;
}

bool ValidVersion(int version) {
    return version >= 1 && version <= kDeuteroVersionCount;
}

} // namespace

QStringList DeuteroBookNames(int version) {
    if (version == 2) {
        return Names({"Tobit", "Judit", "Tambatamba ni buku ni buku ni si Ester",
                      "KHabisuhon ni si Salomo", "Jesus anak ni si Sirak", "Baruk",
                      "Tambatamba ni buku ni buku ni si Daniel", "Buku ni si Makkabetus na parjolo",
                      "Buku ni si Makkabetus na paduahon"});
    }
    return Names({"Tobit", "Yudit", "Tambahan Ester", "Kebijaksanaan Salomo", "Sirakh", "Barukh",
                  "Tambahan Daniel", "I Makabe", "II Makabe"});
}

QList<int> DeuteroChapters(int bookIndex, const QString& bookName) {
    if (bookIndex < 0 || bookIndex >= kDeuteroBookCount)
        return {};
    if (bookName.contains(QLatin1String("Daniel")))
        return {3, 13, 14};
    QList<int> chapters;
    for (int bab = 1; bab <= kChapterCounts[bookIndex]; ++bab)
        chapters.append(bab);
    return chapters;
}

QString DeuteroTitle(const std::vector<store::InfoRow>& info, int version) {
    if (!ValidVersion(version))
        return {};
    const auto it = std::find_if(info.begin(), info.end(), [&](const store::InfoRow& row) {
        return row.id == 200 + version;
    });
    if (it != info.end() && !it->keterangan.trimmed().isEmpty())
        return it->keterangan.trimmed();
    return QString::fromUtf8(kFixedTitles[version - 1]);
}

QString DeuteroText(const store::DeuteroRow& row, int version) {
    switch (version) {
    case 1:
        return row.kitab1;
    case 2:
        return row.kitab2;
    case 3:
        return row.kitab3;
    default:
        return {};
    }
}

int FindDeuteroRow(const std::vector<store::DeuteroRow>& rows, int bookIndex, int bab) {
    const auto it = std::find_if(rows.begin(), rows.end(), [&](const store::DeuteroRow& row) {
        return row.urutan == bookIndex + 1 && row.bab == bab;
    });
    return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

std::array<bool, kDeuteroVersionCount> CheckDeutero(const store::Store& store) {
    std::array<bool, kDeuteroVersionCount> offered{};
    for (int version = 1; version <= kDeuteroVersionCount; ++version)
        offered[std::size_t(version - 1)] = store.deuteroVersionHasText(version);
    offered[2] = offered[2] && store.firstDeuteroThirdText().size() >= 3;
    return offered;
}

} // namespace study
