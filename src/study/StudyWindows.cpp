#include "study/StudyWindows.h"

#include "study/DeuteroBooks.h"
#include "study/DictionaryWindow.h"
#include "study/MapsWindow.h"
#include "study/ParablesWindow.h"
#include "study/ProphecyWindow.h"
#include "study/ThematicWindow.h"

namespace study {

namespace {

template <typename Window>
Window& Lazy(std::unique_ptr<Window>& window, const StudyContext& context) {
    if (!window)
        window = std::make_unique<Window>(context);
    return *window;
}

} // namespace

StudyWindows::StudyWindows(StudyContext context, QObject* parent)
    : QObject(parent), context_(std::move(context)), deuteroOffered_(CheckDeutero(context_.store)) {
}

bool StudyWindows::deuteroVersionOffered(int version) const {
    return version >= 1 && version <= kDeuteroVersionCount &&
           deuteroOffered_[std::size_t(version - 1)];
}

StudyWindows::~StudyWindows() = default;

ParablesWindow& StudyWindows::parables() {
    return Lazy(parables_, context_);
}

ProphecyWindow& StudyWindows::prophecies() {
    return Lazy(prophecies_, context_);
}

DictionaryWindow& StudyWindows::dictionary() {
    return Lazy(dictionary_, context_);
}

ThematicWindow& StudyWindows::thematic() {
    if (!thematic_) {
        Lazy(thematic_, context_);
        connect(thematic_.get(), &ThematicWindow::copyToClipBook, this,
                &StudyWindows::copyToClipBook);
    }
    return *thematic_;
}

MapsWindow& StudyWindows::maps() {
    return Lazy(maps_, context_);
}

DeuteroWindow& StudyWindows::deutero() {
    if (!deutero_) {
        Lazy(deutero_, context_);
        deutero_->setVersionsOffered(deuteroOffered_);
        deutero_->setCariDeutro(cariDeutro_);
        connect(deutero_.get(), &DeuteroWindow::copyToClipBook, this,
                &StudyWindows::copyToClipBook);
    }
    return *deutero_;
}

void StudyWindows::showParables() {
    parables().open();
}

void StudyWindows::showProphecies() {
    prophecies().open();
}

void StudyWindows::showDictionary() {
    dictionary().open();
}

void StudyWindows::showThematic() {
    thematic().open();
}

void StudyWindows::showMaps() {
    maps().open();
}

void StudyWindows::showDeutero(int version) {
    deutero().showFor(version);
}

void StudyWindows::setCariDeutro(CariDeutroHook hook) {
    cariDeutro_ = std::move(hook);
    if (deutero_)
        deutero_->setCariDeutro(cariDeutro_);
}

} // namespace study
