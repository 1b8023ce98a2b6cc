#pragma once

#include "study/DeuteroWindow.h"
#include "study/StudyContext.h"

#include <QObject>
#include <memory>

namespace study {

class DictionaryWindow;
class MapsWindow;
class ParablesWindow;
class ProphecyWindow;
class ThematicWindow;

// Owns the study windows: each is created the first time it is asked for and afterwards
// only shown and hidden, so its lists and views live until the program ends.
class StudyWindows : public QObject {
    Q_OBJECT
public:
    explicit StudyWindows(StudyContext context, QObject* parent = nullptr);
    ~StudyWindows() override;

    const StudyContext& context() const { return context_; }
    ParablesWindow& parables();
    ProphecyWindow& prophecies();
    DictionaryWindow& dictionary();
    ThematicWindow& thematic();
    MapsWindow& maps();
    DeuteroWindow& deutero();

    // The menu commands: each shows its window modeless.
    void showParables();
    void showProphecies();
    void showDictionary();
    void showThematic();
    void showMaps();
    // MenuDeutero1..3: the deuterocanon reader in that version.
    void showDeutero(int version);
    // Whether the store offers that deuterocanon version (1 to 3) with text of its own.
    bool deuteroVersionOffered(int version) const;
    void setCariDeutro(CariDeutroHook hook);

signals:
    // A ClipBook entry from the thematic window or the deuterocanon reader.
    void copyToClipBook(const QString& entry);

private:
    StudyContext context_;
    std::array<bool, kDeuteroVersionCount> deuteroOffered_;
    CariDeutroHook cariDeutro_;
    std::unique_ptr<ParablesWindow> parables_;
    std::unique_ptr<ProphecyWindow> prophecies_;
    std::unique_ptr<DictionaryWindow> dictionary_;
    std::unique_ptr<ThematicWindow> thematic_;
    std::unique_ptr<MapsWindow> maps_;
    std::unique_ptr<DeuteroWindow> deutero_;
};

} // namespace study
