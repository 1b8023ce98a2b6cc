#pragma once

#include "platform/FontRules.h"

#include <QObject>
#include <QString>

namespace platform {

// The reading font: the reading view's family, size and weight, which every window that
// shows scripture or notes takes; lists beside it follow at ListFontSize. Windows observe
// it instead of asking the reading view for its font.
class ReadingLook : public QObject {
    Q_OBJECT
public:
    explicit ReadingLook(QObject* parent = nullptr) : QObject(parent) {}

    const QString& fontName() const { return name_; }
    double fontSize() const { return size_; }
    bool bold() const { return bold_; }
    double listFontSize() const { return ListFontSize(size_); }

    // Announces the change when anything differs.
    void setFont(const QString& name, double size, bool bold = false);
    void setFontSize(double size) { setFont(name_, size, bold_); }

signals:
    void changed();

private:
    QString name_ = kDefaultFontName;
    double size_ = kDefaultFontSize;
    bool bold_ = false;
};

} // namespace platform
