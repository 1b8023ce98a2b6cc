#include "store/VersionChoice.h"

namespace store {
namespace {

bool Offered(const VersionRow& row) {
    return row.aktif == 1 && row.namaVersi != QLatin1String("-") &&
           row.namaTabel.startsWith(QLatin1String("Kitab"));
}

int FindNr(const std::vector<VersionRow>& catalogue, qint32 nr) {
    for (size_t i = 0; i < catalogue.size(); ++i) {
        if (catalogue[i].nr == nr && Offered(catalogue[i]))
            return int(i);
    }
    return -1;
}

// The next offered row after `from`, wrapping round so a store whose only versions come
// before the active one still gets a parallel version.
int FindOffered(const std::vector<VersionRow>& catalogue, int from) {
    const int count = int(catalogue.size());
    for (int step = 1; step <= count; ++step) {
        const int i = (from + step + count) % count;
        if (Offered(catalogue[size_t(i)]))
            return i;
    }
    return -1;
}

} // namespace

VersionChoice ChooseVersions(const std::vector<VersionRow>& catalogue, qint32 firstNr,
                             qint32 secondNr) {
    VersionChoice choice;
    int active = FindNr(catalogue, firstNr);
    if (active < 0)
        active = FindOffered(catalogue, -1);
    if (active >= 0) {
        choice.activeColumn = catalogue[size_t(active)].namaTabel;
        choice.firstNr = catalogue[size_t(active)].nr;
    }
    int parallel = FindNr(catalogue, secondNr);
    if (parallel < 0 && active >= 0)
        parallel = FindOffered(catalogue, active);
    if (parallel >= 0) {
        const VersionRow& row = catalogue[size_t(parallel)];
        choice.parallelColumn = row.namaTabel;
        choice.parallelName = row.namaVersi;
        choice.secondNr = row.nr;
    }
    return choice;
}

int EntryOfNr(const std::vector<VersionRow>& catalogue, qint32 nr) {
    for (size_t i = 0; i < catalogue.size(); ++i) {
        if (catalogue[i].nr == nr)
            return int(i) + 1;
    }
    return 0;
}

} // namespace store
