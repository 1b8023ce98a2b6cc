#pragma once

#include <QWidget>

class QLabel;
class QPixmap;
class QScrollBar;

namespace study {

// Picture1 with the picture box Picture2 and the scroll bars VScroll1 and HScroll1. The
// bars cover the whole picture however large it is, and follow the viewport's size.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent);

    void setPicture(const QPixmap& picture);
    QScrollBar* verticalBar() const { return vScroll_; }
    QScrollBar* horizontalBar() const { return hScroll_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Ranges from the picture's and the viewport's sizes; a new picture starts at 0.
    void SetPictureScroll(bool reset);
    void placePicture();

    QWidget* viewport_;
    QLabel* picture_;
    QScrollBar* vScroll_;
    QScrollBar* hScroll_;
};

} // namespace study
