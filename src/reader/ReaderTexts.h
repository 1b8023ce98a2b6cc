#pragma once

#include <QString>

// Texts the reader builds from its state: titles, list items, status and window captions.
namespace reader {

// A number as list items carry it, with the blank of its sign position: " 5".
QString NumberItem(qint64 number);
// Label1: "Matius  5".
QString ChapterTitle(const QString& book, qint64 chapter);
// Label1's tool tip: " Matius  5 ".
QString ChapterToolTip(const QString& buku, qint64 bab);
// The status line while no button is under the mouse.
QString IdleStatusText();
// The parallel panel's tool tip: " name ".
QString ParallelToolTip(const QString& versionName);
// Position of the first item of the version menu's second column among n items.
int SecondColumnStart(int itemCount);
// Frame sizes are given in twips (1/1440 inch).
int TwipsToPixels(int twips, double dotsPerInch);

} // namespace reader
