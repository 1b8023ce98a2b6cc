#include "import/PictureMaker.h"

#include "import/ImportError.h"
#include "import/WholeFile.h"
#include "scripture/BookCatalogue.h"
#include "scripture/BookGroups.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace import {

namespace {

constexpr int Width = 1400;
constexpr int Margin = 50;
constexpr int ContentTop = 130;
const QColor Ink(0x26, 0x2b, 0x33);
const QColor Muted(0x6b, 0x72, 0x80);
const QColor Rule(0xe3, 0xe6, 0xea);

// One colour per entry of scripture::BookGroups, distinct and readable in print.
constexpr std::array<QRgb, 10> Palette{0x4e79a7, 0xf28e2b, 0x59a14f, 0xe15759, 0xb07aa1,
                                       0xedc948, 0x76b7b2, 0xff9da7, 0x9c755f, 0xbab0ac};

QFont Font(int pixels, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QColor GroupColor(int position) {
    return QColor(Palette[scripture::GroupIndex(position)]);
}

// Dark ink on light fills, white on dark ones.
QColor TextOn(const QColor& fill) {
    const double luminance = 0.299 * fill.redF() + 0.587 * fill.greenF() + 0.114 * fill.blueF();
    return luminance > 0.6 ? Ink : QColor(Qt::white);
}

QColor Tint(const QColor& color) {
    return QColor::fromRgbF(0.75f + 0.25f * color.redF(), 0.75f + 0.25f * color.greenF(),
                            0.75f + 0.25f * color.blueF());
}

QString Percent(double share) {
    return Decimal(100.0 * share) + u'%';
}

QString GroupName(int groupIndex) {
    return QLatin1String(scripture::BookGroups[groupIndex].name);
}

std::vector<BookFacts> Sorted(std::vector<BookFacts> books) {
    std::sort(books.begin(), books.end(),
              [](const BookFacts& a, const BookFacts& b) { return a.position < b.position; });
    return books;
}

std::vector<BookFacts> OfTestament(const std::vector<BookFacts>& books, bool oldTestament) {
    std::vector<BookFacts> chosen;
    for (const BookFacts& book : books) {
        if (book.oldTestament == oldTestament)
            chosen.push_back(book);
    }
    return chosen;
}

// A white page with its title drawn; the chart goes below ContentTop.
struct Sheet {
    QImage image;
    QPainter painter;

    Sheet(int height, const QString& title, const QString& subtitle)
        : image(Width, height, QImage::Format_ARGB32_Premultiplied) {
        image.fill(Qt::white);
        painter.begin(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setPen(Ink);
        painter.setFont(Font(30, true));
        painter.drawText(QRect(Margin, 28, Width - 2 * Margin, 44),
                         Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.setPen(Muted);
        painter.setFont(Font(16));
        painter.drawText(QRect(Margin, 74, Width - 2 * Margin, 26),
                         Qt::AlignLeft | Qt::AlignVCenter, subtitle);
        painter.setPen(QPen(Rule, 2));
        painter.drawLine(Margin, 112, Width - Margin, 112);
    }

    void save(const QString& path) {
        painter.end();
        QByteArray png;
        QBuffer buffer(&png);
        if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG") ||
            !WriteWholeFile(path, png))
            throw ImportError(QStringLiteral("Gambar tidak dapat ditulis: %1").arg(path));
    }
};

// Swatches of the groups from first to last (indexes into scripture::BookGroups); returns the
// height used.
int DrawLegend(QPainter& painter, int top, int firstGroup, int lastGroup) {
    painter.setFont(Font(14));
    const QFontMetrics metrics(painter.font());
    int x = Margin;
    int y = top;
    for (int g = firstGroup; g <= lastGroup; ++g) {
        const int width = 26 + metrics.horizontalAdvance(GroupName(g)) + 28;
        if (x + width > Width - Margin) {
            x = Margin;
            y += 28;
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(Palette[g]));
        painter.drawRoundedRect(QRect(x, y + 3, 18, 18), 4, 4);
        painter.setPen(Ink);
        painter.drawText(QRect(x + 26, y, width, 24), Qt::AlignLeft | Qt::AlignVCenter,
                         GroupName(g));
        x += width;
    }
    return y - top + 36;
}

// "Mazmur (150)" for the book with the largest (or smallest) value; the first one wins a tie.
template <typename Value>
QString Extreme(const std::vector<BookFacts>& books, Value value, bool largest) {
    if (books.empty())
        return QStringLiteral("-");
    const auto it = std::min_element(books.begin(), books.end(), [&](const auto& a, const auto& b) {
        return largest ? value(a) > value(b) : value(a) < value(b);
    });
    return QStringLiteral("%1 (%2)").arg(it->name, Number(value(*it)));
}

int Sum(const std::vector<BookFacts>& books, int BookFacts::*field) {
    int total = 0;
    for (const BookFacts& book : books)
        total += book.*field;
    return total;
}

// A value axis from 0 to top in round steps, with about five grid lines.
struct Axis {
    int step = 1;
    int top = 1;
};

// The axis that holds the largest value of field among the books.
Axis AxisFor(const std::vector<BookFacts>& books, int BookFacts::*field) {
    int maximum = 1;
    for (const BookFacts& book : books)
        maximum = std::max(maximum, book.*field);
    Axis axis{2000, 0};
    for (const int step : {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000}) {
        if (maximum / step <= 6) {
            axis.step = step;
            break;
        }
    }
    axis.top = (maximum + axis.step - 1) / axis.step * axis.step;
    return axis;
}

// A group's heading box and the boxes of its books below it.
void DrawCanonColumn(QPainter& painter, const QRect& header, int groupIndex,
                     const std::vector<BookFacts>& members) {
    const QColor color(Palette[groupIndex]);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRoundedRect(header, 8, 8);
    painter.setPen(TextOn(color));
    painter.setFont(Font(17, true));
    painter.drawText(header.adjusted(8, 6, -8, -30), Qt::AlignCenter | Qt::TextWordWrap,
                     GroupName(groupIndex));
    painter.setFont(Font(14));
    painter.drawText(header.adjusted(8, header.height() - 30, -8, -6), Qt::AlignCenter,
                     QStringLiteral("%1 kitab").arg(members.size()));
    int y = header.bottom() + 14;
    for (const BookFacts& book : members) {
        const QRect box(header.left(), y, header.width(), 38);
        painter.setPen(QPen(color, 2));
        painter.setBrush(Tint(color));
        painter.drawRoundedRect(box, 6, 6);
        painter.setPen(Ink);
        painter.setFont(Font(15, true));
        painter.drawText(box.adjusted(12, 0, -12, 0), Qt::AlignLeft | Qt::AlignVCenter, book.name);
        painter.setPen(Muted);
        painter.setFont(Font(13));
        painter.drawText(box.adjusted(12, 0, -12, 0), Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1 pasal").arg(book.chapters));
        y += 46;
    }
}

store::PictureRow DrawCanon(const QString& folder, const std::vector<BookFacts>& books,
                            bool oldTestament) {
    const int firstGroup = oldTestament ? 0 : 5;
    const std::vector<BookFacts> chosen = OfTestament(books, oldTestament);
    std::vector<std::vector<BookFacts>> columns(5);
    for (const BookFacts& book : chosen)
        columns[scripture::GroupIndex(book.position) - firstGroup].push_back(book);
    std::size_t tallest = 0;
    QStringList counts;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        tallest = std::max(tallest, columns[i].size());
        counts << QStringLiteral("%1 %2 kitab")
                      .arg(GroupName(firstGroup + int(i)))
                      .arg(columns[i].size());
    }
    const int bookCount = int(chosen.size());
    const QString title =
        QStringLiteral("Kitab-kitab %1 menurut kelompok").arg(TestamentName(oldTestament));
    Sheet sheet(ContentTop + 90 + int(tallest) * 46 + 40, title,
                QStringLiteral("%1 kitab dalam 5 kelompok, menurut urutan kanon; angka di kanan "
                               "adalah jumlah pasal")
                    .arg(bookCount));
    const int gap = 20;
    const int columnWidth = (Width - 2 * Margin - 4 * gap) / 5;
    for (int i = 0; i < 5; ++i) {
        const QRect header(Margin + i * (columnWidth + gap), ContentTop, columnWidth, 76);
        DrawCanonColumn(sheet.painter, header, firstGroup + i, columns[i]);
    }
    const QString file = oldTestament ? QStringLiteral("kanon_perjanjian_lama.png")
                                      : QStringLiteral("kanon_perjanjian_baru.png");
    sheet.save(QDir(folder).filePath(file));
    return store::PictureRow{
        QStringLiteral("Bagan Kanon"), title, file,
        QStringLiteral("Bagan %1 kitab %2 menurut kelompoknya: %3. Setiap kotak memuat nama "
                       "kitab dan jumlah pasalnya.")
            .arg(bookCount)
            .arg(TestamentName(oldTestament), counts.join(QStringLiteral(", ")))};
}

struct GroupTotals {
    int books = 0;
    int chapters = 0;
    int verses = 0;
};

std::array<GroupTotals, scripture::BookGroups.size()>
TotalsByGroup(const std::vector<BookFacts>& books) {
    std::array<GroupTotals, scripture::BookGroups.size()> totals{};
    for (const BookFacts& book : books) {
        GroupTotals& group = totals[scripture::GroupIndex(book.position)];
        group.books += 1;
        group.chapters += book.chapters;
        group.verses += book.verses;
    }
    return totals;
}

// One bar split into the groups' shares of a total, with the share written where it fits.
void DrawShareBar(QPainter& painter, const QRect& bar,
                  const std::array<int, scripture::BookGroups.size()>& values) {
    const double total = std::max(1, std::accumulate(values.begin(), values.end(), 0));
    double done = 0;
    painter.setFont(Font(13, true));
    for (std::size_t g = 0; g < values.size(); ++g) {
        const int x0 = bar.left() + int(std::lround(bar.width() * done / total));
        done += values[g];
        const int x1 = bar.left() + int(std::lround(bar.width() * done / total));
        const QRect segment(x0, bar.top(), x1 - x0, bar.height());
        painter.fillRect(segment, QColor(Palette[g]));
        if (segment.width() > 50) {
            painter.setPen(TextOn(QColor(Palette[g])));
            painter.drawText(segment, Qt::AlignCenter, Percent(values[g] / total));
        }
    }
}

void DrawGroupTable(QPainter& painter, int top,
                    const std::array<GroupTotals, scripture::BookGroups.size()>& totals) {
    const int columnWidth = (Width - 2 * Margin - 40) / 2;
    for (std::size_t g = 0; g < totals.size(); ++g) {
        const int x = Margin + int(g / 5) * (columnWidth + 40);
        const QRect line(x, top + int(g % 5) * 34, columnWidth, 28);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(Palette[g]));
        painter.drawRoundedRect(QRect(line.left(), line.top() + 5, 18, 18), 4, 4);
        painter.setPen(Ink);
        painter.setFont(Font(15, true));
        painter.drawText(line.adjusted(28, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         GroupName(int(g)));
        painter.setPen(Muted);
        painter.setFont(Font(14));
        painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1 kitab · %2 pasal · %3 ayat")
                             .arg(totals[g].books)
                             .arg(Number(totals[g].chapters), Number(totals[g].verses)));
    }
}

// The name of the group with the most (or fewest) verses; groups without books in the store are
// neither.
QString GroupByVerses(const std::array<GroupTotals, scripture::BookGroups.size()>& totals,
                      bool largest) {
    int best = -1;
    for (std::size_t g = 0; g < totals.size(); ++g) {
        const bool better = best < 0 || (largest ? totals[g].verses > totals[best].verses
                                                 : totals[g].verses < totals[best].verses);
        if (totals[g].books > 0 && better)
            best = int(g);
    }
    return best < 0 ? QStringLiteral("-") : GroupName(best);
}

store::PictureRow DrawGroupShares(const QString& folder, const std::vector<BookFacts>& books) {
    const auto totals = TotalsByGroup(books);
    const QString title = QStringLiteral("Pembagian kitab, pasal dan ayat menurut kelompok");
    Sheet sheet(
        ContentTop + 3 * 86 + 30 + 5 * 34 + 30, title,
        QStringLiteral("Bagian setiap kelompok kitab dari %1 kitab, %2 pasal dan %3 ayat")
            .arg(books.size())
            .arg(Number(Sum(books, &BookFacts::chapters)), Number(Sum(books, &BookFacts::verses))));
    const std::array<QString, 3> labels{QStringLiteral("Kitab"), QStringLiteral("Pasal"),
                                        QStringLiteral("Ayat")};
    for (int row = 0; row < 3; ++row) {
        std::array<int, scripture::BookGroups.size()> values{};
        for (std::size_t g = 0; g < values.size(); ++g)
            values[g] = row == 0   ? totals[g].books
                        : row == 1 ? totals[g].chapters
                                   : totals[g].verses;
        const int top = ContentTop + 10 + row * 86;
        sheet.painter.setPen(Ink);
        sheet.painter.setFont(Font(17, true));
        sheet.painter.drawText(QRect(Margin, top, 100, 56), Qt::AlignLeft | Qt::AlignVCenter,
                               labels[row]);
        DrawShareBar(sheet.painter, QRect(Margin + 100, top, Width - 2 * Margin - 100, 56), values);
    }
    DrawGroupTable(sheet.painter, ContentTop + 3 * 86 + 20, totals);
    const QString file = QStringLiteral("kanon_kelompok.png");
    sheet.save(QDir(folder).filePath(file));
    return store::PictureRow{
        QStringLiteral("Bagan Kanon"), title, file,
        QStringLiteral("Bagian setiap kelompok kitab dari jumlah kitab, pasal dan ayat. "
                       "Menurut jumlah ayat, kelompok terbesar adalah %1 dan yang terkecil %2.")
            .arg(GroupByVerses(totals, true), GroupByVerses(totals, false))};
}

void DrawValueAxis(QPainter& painter, const QRect& plot, const Axis& axis) {
    painter.setFont(Font(13));
    for (int value = 0; value <= axis.top; value += axis.step) {
        const int y = plot.bottom() - int(std::lround(double(plot.height()) * value / axis.top));
        painter.setPen(QPen(Rule, 1));
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(Muted);
        painter.drawText(QRect(plot.left() - 60, y - 10, 52, 20), Qt::AlignRight | Qt::AlignVCenter,
                         Number(value));
    }
}

void DrawColumn(QPainter& painter, const QRect& plot, double centre, double width, int axisTop,
                const BookFacts& book) {
    const double height = double(plot.height()) * book.chapters / axisTop;
    const QRectF bar(centre - width / 2, plot.bottom() - height, width, height);
    painter.setPen(Qt::NoPen);
    painter.setBrush(GroupColor(book.position));
    painter.drawRect(bar);
    painter.setPen(Ink);
    painter.setFont(Font(12));
    painter.drawText(QRectF(centre - 30, bar.top() - 20, 60, 18), Qt::AlignCenter,
                     QString::number(book.chapters));
    painter.save();
    painter.translate(centre + 4, plot.bottom() + 12);
    painter.rotate(-55);
    painter.setFont(Font(13));
    painter.drawText(QRect(-220, -10, 220, 20), Qt::AlignRight | Qt::AlignVCenter, book.name);
    painter.restore();
}

store::PictureRow DrawChapterBars(const QString& folder, const std::vector<BookFacts>& books,
                                  bool oldTestament) {
    const auto chosen = OfTestament(books, oldTestament);
    const int total = Sum(chosen, &BookFacts::chapters);
    const QString title =
        QStringLiteral("Jumlah pasal kitab-kitab %1").arg(TestamentName(oldTestament));
    Sheet sheet(800, title,
                QStringLiteral("%1 pasal dalam %2 kitab; warna batang menunjukkan kelompok kitab")
                    .arg(Number(total))
                    .arg(chosen.size()));
    const int legend =
        DrawLegend(sheet.painter, ContentTop, oldTestament ? 0 : 5, oldTestament ? 4 : 9);
    const QRect plot(QPoint(Margin + 60, ContentTop + legend + 30),
                     QPoint(Width - Margin, 800 - 150));
    const Axis axis = AxisFor(chosen, &BookFacts::chapters);
    DrawValueAxis(sheet.painter, plot, axis);
    const double slot = double(plot.width()) / std::max<std::size_t>(1, chosen.size());
    for (std::size_t i = 0; i < chosen.size(); ++i)
        DrawColumn(sheet.painter, plot, plot.left() + slot * (i + 0.5), slot * 0.68, axis.top,
                   chosen[i]);
    const QString file = oldTestament ? QStringLiteral("pasal_perjanjian_lama.png")
                                      : QStringLiteral("pasal_perjanjian_baru.png");
    sheet.save(QDir(folder).filePath(file));
    const auto chapters = [](const BookFacts& book) { return book.chapters; };
    return store::PictureRow{
        QStringLiteral("Statistik"), title, file,
        QStringLiteral("Jumlah pasal setiap kitab %1: %2 pasal dalam %3 kitab. Pasal terbanyak: "
                       "%4; paling sedikit: %5. Warna batang menunjukkan kelompok kitab.")
            .arg(TestamentName(oldTestament), Number(total))
            .arg(chosen.size())
            .arg(Extreme(chosen, chapters, true), Extreme(chosen, chapters, false))};
}

void DrawVerseRow(QPainter& painter, int y, int barLeft, double scale, const BookFacts& book) {
    painter.setPen(Ink);
    painter.setFont(Font(13));
    painter.drawText(QRect(Margin, y, barLeft - Margin - 10, 18), Qt::AlignRight | Qt::AlignVCenter,
                     book.name);
    const QRectF bar(barLeft, y + 2, scale * book.verses, 14);
    painter.setPen(Qt::NoPen);
    painter.setBrush(GroupColor(book.position));
    painter.drawRect(bar);
    painter.setPen(Muted);
    painter.setFont(Font(12));
    painter.drawText(QRectF(bar.right() + 6, y, 70, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     Number(book.verses));
}

store::PictureRow DrawVerseBars(const QString& folder, const std::vector<BookFacts>& books) {
    constexpr int RowHeight = 20;
    constexpr int TestamentGap = 16;
    const int total = Sum(books, &BookFacts::verses);
    const QString title = QStringLiteral("Jumlah ayat setiap kitab");
    const int plotTop = ContentTop + 70 + 30;
    Sheet sheet(plotTop + int(books.size()) * RowHeight + TestamentGap + 40, title,
                QStringLiteral("%1 ayat dalam %2 kitab, menurut urutan kanon")
                    .arg(Number(total))
                    .arg(books.size()));
    DrawLegend(sheet.painter, ContentTop, 0, int(scripture::BookGroups.size()) - 1);
    const Axis axis = AxisFor(books, &BookFacts::verses);
    const int barLeft = Margin + 160;
    const double scale = double(Width - Margin - 80 - barLeft) / axis.top;
    const int plotBottom = plotTop + int(books.size()) * RowHeight + TestamentGap;
    sheet.painter.setFont(Font(12));
    for (int value = 0; value <= axis.top; value += axis.step) {
        const int x = barLeft + int(std::lround(scale * value));
        sheet.painter.setPen(QPen(Rule, 1));
        sheet.painter.drawLine(x, plotTop - 4, x, plotBottom);
        sheet.painter.setPen(Muted);
        sheet.painter.drawText(QRect(x - 40, plotTop - 26, 80, 18), Qt::AlignCenter, Number(value));
    }
    int y = plotTop;
    for (const BookFacts& book : books) {
        if (book.position == scripture::kOldTestamentBooks + 1 && y != plotTop)
            y += TestamentGap;
        DrawVerseRow(sheet.painter, y, barLeft, scale, book);
        y += RowHeight;
    }
    const QString file = QStringLiteral("ayat_per_kitab.png");
    sheet.save(QDir(folder).filePath(file));
    const auto verses = [](const BookFacts& book) { return book.verses; };
    return store::PictureRow{
        QStringLiteral("Statistik"), title, file,
        QStringLiteral("Jumlah ayat setiap kitab, %1 ayat seluruhnya. "
                       "Terpanjang: %2; terpendek: %3. Warna batang menunjukkan kelompok kitab.")
            .arg(Number(total), Extreme(books, verses, true), Extreme(books, verses, false))};
}

// Room at each end of a row for the turn to the next one, clear of the end labels.
constexpr int SnakeInset = 100;

// Node centres laid out like a snake: left to right, then right to left on the next row.
std::vector<QPointF> SnakePoints(std::size_t count, int top, int perRow, int rowPitch) {
    const double left = Margin + SnakeInset;
    const double step = double(Width - 2 * (Margin + SnakeInset)) / (perRow - 1);
    std::vector<QPointF> points;
    for (std::size_t i = 0; i < count; ++i) {
        const int row = int(i) / perRow;
        const int column = row % 2 == 0 ? int(i) % perRow : perRow - 1 - int(i) % perRow;
        points.emplace_back(left + step * column, top + row * rowPitch);
    }
    return points;
}

QPainterPath SnakePath(const std::vector<QPointF>& points) {
    QPainterPath path;
    if (points.empty())
        return path;
    path.moveTo(points.front());
    for (std::size_t i = 1; i < points.size(); ++i) {
        const QPointF from = points[i - 1];
        const QPointF to = points[i];
        if (qFuzzyCompare(from.y(), to.y())) {
            path.lineTo(to);
            continue;
        }
        // A turn to the next row bulges outward beyond the row's end.
        const double bulge = from.x() > Width / 2 ? 90 : -90;
        path.cubicTo(from + QPointF(bulge, 0), to + QPointF(bulge, 0), to);
    }
    return path;
}

void DrawNode(QPainter& painter, const QPointF& centre, double labelWidth, const BookFacts& book) {
    const QColor color = GroupColor(book.position);
    painter.setPen(QPen(Qt::white, 3));
    painter.setBrush(color);
    painter.drawEllipse(centre, 22, 22);
    painter.setPen(TextOn(color));
    painter.setFont(Font(14, true));
    painter.drawText(QRectF(centre.x() - 22, centre.y() - 22, 44, 44), Qt::AlignCenter,
                     QString::number(book.position));
    painter.setPen(Ink);
    painter.setFont(Font(13));
    painter.drawText(QRectF(centre.x() - labelWidth / 2, centre.y() + 26, labelWidth, 36),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, book.name);
}

store::PictureRow DrawCanonOrder(const QString& folder, const std::vector<BookFacts>& books) {
    constexpr int PerRow = 11;
    constexpr int RowPitch = 118;
    const int rows = std::max<int>(1, (int(books.size()) + PerRow - 1) / PerRow);
    const QString title = QStringLiteral("Urutan kitab-kitab dalam kanon");
    const int top = ContentTop + 70 + 40;
    Sheet sheet(top + (rows - 1) * RowPitch + 90, title,
                QStringLiteral("%1 kitab berurutan seperti ular: baris ganjil dari kiri ke kanan, "
                               "baris genap dari kanan ke kiri")
                    .arg(books.size()));
    DrawLegend(sheet.painter, ContentTop, 0, int(scripture::BookGroups.size()) - 1);
    const auto points = SnakePoints(books.size(), top, PerRow, RowPitch);
    sheet.painter.setPen(QPen(QColor(0xc9, 0xce, 0xd6), 6, Qt::SolidLine, Qt::RoundCap));
    sheet.painter.setBrush(Qt::NoBrush);
    sheet.painter.drawPath(SnakePath(points));
    const double labelWidth = double(Width - 2 * (Margin + SnakeInset)) / (PerRow - 1);
    for (std::size_t i = 0; i < books.size(); ++i)
        DrawNode(sheet.painter, points[i], labelWidth, books[i]);
    const QString file = QStringLiteral("urutan_kanon.png");
    sheet.save(QDir(folder).filePath(file));
    const QString span =
        books.empty()
            ? QString()
            : QStringLiteral(", dari %1 sampai %2").arg(books.front().name, books.back().name);
    return store::PictureRow{
        QStringLiteral("Urutan Kanon"), title, file,
        QStringLiteral("Urutan %1 kitab dalam kanon%2. Nomor dalam lingkaran adalah urutan "
                       "kitab; warnanya menunjukkan kelompok kitab.")
            .arg(books.size())
            .arg(span)};
}

} // namespace

std::vector<store::PictureRow> DrawPictures(const QString& pictureFolder,
                                            const std::vector<BookFacts>& books) {
    if (!QDir().mkpath(pictureFolder))
        throw ImportError(
            QStringLiteral("Folder gambar tidak dapat dibuat: %1").arg(pictureFolder));
    const std::vector<BookFacts> sorted = Sorted(books);
    std::vector<store::PictureRow> rows;
    // A store without one testament gets no empty charts of it.
    for (const bool oldTestament : {true, false}) {
        if (!OfTestament(sorted, oldTestament).empty())
            rows.push_back(DrawCanon(pictureFolder, sorted, oldTestament));
    }
    rows.push_back(DrawGroupShares(pictureFolder, sorted));
    for (const bool oldTestament : {true, false}) {
        if (!OfTestament(sorted, oldTestament).empty())
            rows.push_back(DrawChapterBars(pictureFolder, sorted, oldTestament));
    }
    rows.push_back(DrawVerseBars(pictureFolder, sorted));
    rows.push_back(DrawCanonOrder(pictureFolder, sorted));
    return rows;
}

} // namespace import
