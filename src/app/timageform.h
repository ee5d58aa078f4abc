#pragma once

#include <QDialog>

class QLabel;

namespace holvane::app {

// The enlarged-picture window (form ImageForm): Image1 fills it; a double
// click on the picture closes it. The caller sets the caption, the size and
// the picture and shows it. Created at start-up and reused.
class TImageForm : public QDialog {
    Q_OBJECT
public:
    explicit TImageForm(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *Image1;
};

} // namespace holvane::app
