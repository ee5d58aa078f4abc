#pragma once

#include <QDialog>

namespace holvane::calculator {

// The calculator's about box.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);
};

} // namespace holvane::calculator
