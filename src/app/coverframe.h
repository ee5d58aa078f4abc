#pragma once

#include <QWidget>

namespace holvane::app {

// The cover page's frame: the cover picture stretched over a white page.
class CoverFrame : public QWidget {
    Q_OBJECT
public:
    explicit CoverFrame(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace holvane::app
