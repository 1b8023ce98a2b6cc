#include "reader/CrossReferenceMenu.h"

#include "reader/CrossReferences.h"
#include "reader/Navigator.h"
#include "store/Records.h"

#include <QAction>
#include <QMenu>

namespace reader {

CrossReferenceMenu::CrossReferenceMenu(QMenu* menuRef, const Navigator& navigator, QObject* parent)
    : QObject(parent), menuRef_(menuRef), nav_(navigator) {
    menuRef_->setStyleSheet(QStringLiteral("QMenu{menu-scrollable:1}"));
}

void CrossReferenceMenu::BuildCrossReferenceMenu() {
    const store::BookRow* row = nav_.bookRow();
    build(nav_.bookName(), nav_.chapter(), row ? row->referensi : QString());
}

void CrossReferenceMenu::build(const QString& book, int chapter, const QString& referensi) {
    menuRef_->setTitle(CrossReferenceTitle(book, chapter));
    menuRef_->clear();
    const QStringList captions = CrossReferenceCaptions(referensi, chapter);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        const QString caption = captions.at(i);
        QAction* item = menuRef_->addAction(caption);
        item->setObjectName(QStringLiteral("MenuRefs%1").arg(i + 1));
        if (caption == kNoCrossReference)
            continue;
        connect(item, &QAction::triggered, this, [this, caption] { emit chosen(caption); });
    }
}

} // namespace reader
