#pragma once

#include <QDialog>

class QLabel;

namespace holvane::calculator {

// The zoom window: a picture at its natural size in a window of the caller's
// size, shown modally until its close box is used. Lives for the whole run.
class TFrmZoom2 : public QDialog {
    Q_OBJECT
public:
    explicit TFrmZoom2(QWidget *parent = nullptr);

    // Sets the caption, the window size and a copy of the picture, and shows
    // the window modally.
    void showPicture(const QString &caption, QSize size, const QImage &picture);

private:
    QLabel *Image1;
};

} // namespace holvane::calculator
