#include "scripture/BookCatalogue.h"

namespace scripture {

const QStringList& OldTestamentBooks() {
    static const QStringList books{
        QStringLiteral("Kejadian"),    QStringLiteral("Keluaran"),
        QStringLiteral("Imamat"),      QStringLiteral("Bilangan"),
        QStringLiteral("Ulangan"),     QStringLiteral("Yosua"),
        QStringLiteral("Hakim-hakim"), QStringLiteral("Rut"),
        QStringLiteral("I Samuel"),    QStringLiteral("II Samuel"),
        QStringLiteral("I Raja-raja"), QStringLiteral("II Raja-raja"),
        QStringLiteral("I Tawarikh"),  QStringLiteral("II Tawarikh"),
        QStringLiteral("Ezra"),        QStringLiteral("Nehemia"),
        QStringLiteral("Ester"),       QStringLiteral("Ayub"),
        QStringLiteral("Mazmur"),      QStringLiteral("Amsal"),
        QStringLiteral("Pengkhotbah"), QStringLiteral("Kidung Agung"),
        QStringLiteral("Yesaya"),      QStringLiteral("Yeremia"),
        QStringLiteral("Ratapan"),     QStringLiteral("Yehezkiel"),
        QStringLiteral("Daniel"),      QStringLiteral("Hosea"),
        QStringLiteral("Yoel"),        QStringLiteral("Amos"),
        QStringLiteral("Obaja"),       QStringLiteral("Yunus"),
        QStringLiteral("Mikha"),       QStringLiteral("Nahum"),
        QStringLiteral("Habakuk"),     QStringLiteral("Zefanya"),
        QStringLiteral("Hagai"),       QStringLiteral("Zakharia"),
        QStringLiteral("Maleakhi"),
    };
    return books;
}

const QStringList& NewTestamentBooks() {
    static const QStringList books{
        QStringLiteral("Matius"),
        QStringLiteral("Markus"),
        QStringLiteral("Lukas"),
        QStringLiteral("Yohanes"),
        QStringLiteral("Kisah Para Rasul"),
        QStringLiteral("Roma"),
        QStringLiteral("I Korintus"),
        QStringLiteral("II Korintus"),
        QStringLiteral("Galatia"),
        QStringLiteral("Efesus"),
        QStringLiteral("Filipi"),
        QStringLiteral("Kolose"),
        QStringLiteral("I Tesalonika"),
        QStringLiteral("II Tesalonika"),
        QStringLiteral("I Timotius"),
        QStringLiteral("II Timotius"),
        QStringLiteral("Titus"),
        QStringLiteral("Filemon"),
        QStringLiteral("Ibrani"),
        QStringLiteral("Yakobus"),
        QStringLiteral("I Petrus"),
        QStringLiteral("II Petrus"),
        QStringLiteral("I Yohanes"),
        QStringLiteral("II Yohanes"),
        QStringLiteral("III Yohanes"),
        QStringLiteral("Yudas"),
        QStringLiteral("Wahyu"),
    };
    return books;
}

namespace {

qint16 IndexIn(const QStringList& books, const QString& name) {
    return static_cast<qint16>(books.indexOf(name));
}

bool InRange(const QStringList& books, qint16 index) {
    return index >= 0 && index < books.size();
}

} // namespace

qint16 GetBookIndexOT(const QString& name) {
    return IndexIn(OldTestamentBooks(), name);
}

qint16 GetBookIndexNT(const QString& name) {
    return IndexIn(NewTestamentBooks(), name);
}

QString GetBookNameOT(qint16 index) {
    return InRange(OldTestamentBooks(), index) ? OldTestamentBooks().at(index) : QString();
}

QString GetBookNameNT(qint16 index) {
    return InRange(NewTestamentBooks(), index) ? NewTestamentBooks().at(index)
                                               : QStringLiteral(" ");
}

QString GetBookName(qint16 index, bool oldTestament) {
    return oldTestament ? GetBookNameOT(index) : GetBookNameNT(index);
}

int CanonicalPosition(const QString& name) {
    if (const qint16 old = GetBookIndexOT(name); old >= 0)
        return old + 1;
    if (const qint16 neu = GetBookIndexNT(name); neu >= 0)
        return OldTestamentBooks().size() + neu + 1;
    return 0;
}

const QStringList& CanonicalOsisBooks() {
    static const QStringList books = {
        QStringLiteral("Gen"),    QStringLiteral("Exod"),   QStringLiteral("Lev"),
        QStringLiteral("Num"),    QStringLiteral("Deut"),   QStringLiteral("Josh"),
        QStringLiteral("Judg"),   QStringLiteral("Ruth"),   QStringLiteral("1Sam"),
        QStringLiteral("2Sam"),   QStringLiteral("1Kgs"),   QStringLiteral("2Kgs"),
        QStringLiteral("1Chr"),   QStringLiteral("2Chr"),   QStringLiteral("Ezra"),
        QStringLiteral("Neh"),    QStringLiteral("Esth"),   QStringLiteral("Job"),
        QStringLiteral("Ps"),     QStringLiteral("Prov"),   QStringLiteral("Eccl"),
        QStringLiteral("Song"),   QStringLiteral("Isa"),    QStringLiteral("Jer"),
        QStringLiteral("Lam"),    QStringLiteral("Ezek"),   QStringLiteral("Dan"),
        QStringLiteral("Hos"),    QStringLiteral("Joel"),   QStringLiteral("Amos"),
        QStringLiteral("Obad"),   QStringLiteral("Jonah"),  QStringLiteral("Mic"),
        QStringLiteral("Nah"),    QStringLiteral("Hab"),    QStringLiteral("Zeph"),
        QStringLiteral("Hag"),    QStringLiteral("Zech"),   QStringLiteral("Mal"),
        QStringLiteral("Matt"),   QStringLiteral("Mark"),   QStringLiteral("Luke"),
        QStringLiteral("John"),   QStringLiteral("Acts"),   QStringLiteral("Rom"),
        QStringLiteral("1Cor"),   QStringLiteral("2Cor"),   QStringLiteral("Gal"),
        QStringLiteral("Eph"),    QStringLiteral("Phil"),   QStringLiteral("Col"),
        QStringLiteral("1Thess"), QStringLiteral("2Thess"), QStringLiteral("1Tim"),
        QStringLiteral("2Tim"),   QStringLiteral("Titus"),  QStringLiteral("Phlm"),
        QStringLiteral("Heb"),    QStringLiteral("Jas"),    QStringLiteral("1Pet"),
        QStringLiteral("2Pet"),   QStringLiteral("1John"),  QStringLiteral("2John"),
        QStringLiteral("3John"),  QStringLiteral("Jude"),   QStringLiteral("Rev")};
    return books;
}

int OsisBookPosition(const QString& osisBook) {
    return int(CanonicalOsisBooks().indexOf(osisBook)) + 1;
}

QString CanonicalName(int position) {
    const QStringList& oldBooks = OldTestamentBooks();
    const QStringList& newBooks = NewTestamentBooks();
    if (position >= 1 && position <= oldBooks.size())
        return oldBooks[position - 1];
    const int index = position - 1 - int(oldBooks.size());
    if (index >= 0 && index < newBooks.size())
        return newBooks[index];
    return {};
}

} // namespace scripture
