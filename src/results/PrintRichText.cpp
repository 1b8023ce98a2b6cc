#include "results/PrintRichText.h"

#include <QPageLayout>
#include <QPrinter>
#include <QTextDocument>
#include <QTextEdit>
#include <memory>

namespace results {
namespace {

constexpr double kTwipsPerPoint = 20.0;

} // namespace

void PrintRichText(const QTextEdit& view, QPrinter& printer, int left, int top, int right,
                   int bottom) {
    printer.setPageMargins(QMarginsF(left / kTwipsPerPoint, top / kTwipsPerPoint,
                                     right / kTwipsPerPoint, bottom / kTwipsPerPoint),
                           QPageLayout::Point);
    // A copy keeps the view's own layout and page size untouched by the printer's.
    const std::unique_ptr<QTextDocument> copy(view.document()->clone());
    copy->print(&printer);
}

} // namespace results
