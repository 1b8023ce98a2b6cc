#include "reader/VersionTable.h"

namespace reader {

VersionTable::VersionTable(const std::vector<store::VersionRow>& catalogue) {
    entries_.reserve(catalogue.size());
    for (const store::VersionRow& row : catalogue) {
        entries_.push_back(VersionEntry{row.nr, row.namaVersi, row.lama != 0, row.baru != 0,
                                        row.aktif != 0, row.namaTabel, row.hakCipta});
    }
}

int VersionTable::entryOfNr(qint32 nr) const {
    for (int k = 1; k <= count(); ++k) {
        if (at(k).nr == nr)
            return k;
    }
    return 0;
}

bool VersionTable::needsTestamentQuestion(int entry, bool oldTestamentShown) const {
    return oldTestamentShown && !hasOldTestament(entry);
}

} // namespace reader
