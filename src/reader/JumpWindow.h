#pragma once

#include <QDialog>
#include <functional>

class QListWidget;
class QPushButton;

namespace reader {

// Form13: the places of one cross reference; the chosen one is announced as a location key.
// Items marked with "*" lie in an Old Testament the active version lacks and cannot be chosen.
class JumpWindow : public QDialog {
    Q_OBJECT
public:
    explicit JumpWindow(QWidget* parent);

    // FillJumpList's items; the first is selected.
    void FillJumpList(const QStringList& items);
    // The reading view's font name, asked for at every activation.
    void setFontSource(std::function<QString()> source) { fontSource_ = std::move(source); }

    QListWidget* list1() const { return list1_; }
    QPushButton* ok() const { return ok_; }

signals:
    void locationChosen(const QString& key);

protected:
    bool event(QEvent* event) override;

private:
    void confirm();

    std::function<QString()> fontSource_;
    QListWidget* list1_;
    QPushButton* ok_;     // Command2
    QPushButton* cancel_; // Command1
};

} // namespace reader
