#pragma once

#include <QDialog>

namespace platform {
class Dialogs;
}
namespace store {
class Store;
}

namespace reader {

// Form7, "Tentang Vermara": the program's version, the store's about text (UsysInfo 1),
// its makers, and "Versi DB" for the store's version text (UsysInfo 99).
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    // store may be null: the texts are then empty and "Versi DB" shows the default text.
    AboutWindow(platform::Dialogs& dialogs, const store::Store* store, QWidget* parent = nullptr);

private:
    void showDatabaseVersion();

    platform::Dialogs& dialogs_;
    const store::Store* store_;
};

} // namespace reader
