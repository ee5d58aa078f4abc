#pragma once

#include "app/pageframe.h"
#include "pages/curvereading.h"

#include <QImage>

class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollArea;
class QToolButton;

namespace holvane::app {
class AppContext;
}

namespace holvane::pages {

// The curve reader (frame Fram_curve): a scanned diagram that the user
// calibrates by clicking its origin and the ends of its axes, then reads in
// diagram units under a crosshair that follows the mouse. The main window
// keeps one instance and loads it for every curve page.
class TFram_curve : public app::PageFrame {
    Q_OBJECT
public:
    TFram_curve(app::AppContext &context, QWidget *host);

    // Loads the fetched picture named by ContentKey at scale 1.
    void loadPage() override;

    void UpDown1Click(bool up);
    void Image1MouseDown(QPoint pos);
    void Image1MouseMove(QPoint pos);

    double scale() const { return m_scale; }
    const CurveCalibration &calibration() const { return m_calibration; }
    // The picture with the calibration circles, at its natural size.
    const QImage &picture() const { return m_picture; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void applyScale();
    void drawMark(QPoint pos);
    void inform(const QString &text);
    bool RD_oXYKeyDown(int key, Qt::KeyboardModifiers modifiers);
    bool EoxKeyPress(const QString &text, int key);

    app::AppContext &m_ctx;
    double m_scale = 1.0;
    CurveCalibration m_calibration;
    QImage m_picture;

    QScrollArea *Panel1 = nullptr;
    QWidget *m_canvas = nullptr;
    QLabel *Image1 = nullptr;
    QFrame *sp_x = nullptr;
    QFrame *sp_y = nullptr;
    QWidget *UpDown1 = nullptr;
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
    QRadioButton *RD_oXY = nullptr;
    QRadioButton *RD_XMAX = nullptr;
    QRadioButton *RD_YMAX = nullptr;
    QLineEdit *Eox = nullptr;
    QLineEdit *Eoy = nullptr;
    QLineEdit *MAX_X = nullptr;
    QLineEdit *MAX_y = nullptr;
    QLabel *L_x = nullptr;
    QLabel *L_y = nullptr;
};

} // namespace holvane::pages
