#include "pages/tfram_curve.h"

#include "app/appcontext.h"
#include "app/apperror.h"
#include "app/fontsetup.h"
#include "app/messageservice.h"
#include "app/pagecode.h"
#include "app/startup.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace holvane::pages {

namespace {

constexpr int kControlsHeight = 76;

const char *const kOriginSet = "坐标原点定义完毕";
const char *const kXMaxSet = "最大横坐标定义完毕";
const char *const kYMaxSet = "最大纵坐标定义完毕";
const char *const kXMaxFirst = "请先输入横坐标最大数值";
const char *const kYMaxFirst = "请先输入纵坐标最大数值";
const char *const kScaleOutOfRange = "缩放比例超出范围，不能处理";

QLabel *colouredLabel(QWidget *parent, const QString &text, const QColor &colour, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setGeometry(geometry);
    return label;
}

QFrame *crosshairLine(QWidget *parent, const char *name)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, Qt::black);
    line->setPalette(palette);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    return line;
}

bool isArrow(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

} // namespace

TFram_curve::TFram_curve(app::AppContext &context, QWidget *host)
    : app::PageFrame(host)
    , m_ctx(context)
{
    setObjectName(QStringLiteral("Fram_curve"));
    setFont(app::songtiFont(14));
    buildLayout();
}

void TFram_curve::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel1 = new QScrollArea(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Box);
    Panel1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_canvas = new QWidget;
    Image1 = new QLabel(m_canvas);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setMouseTracking(true);
    Image1->installEventFilter(this);
    sp_y = crosshairLine(m_canvas, "sp_y");
    sp_x = crosshairLine(m_canvas, "sp_x");
    Panel1->setWidget(m_canvas);
    layout->addWidget(Panel1, 1);

    auto *controls = new QWidget(this);
    controls->setFixedHeight(kControlsHeight);
    layout->addWidget(controls);

    const QColor red(Qt::red);
    colouredLabel(controls, QStringLiteral("参数"), red, QRect(10, 12, 36, 20));
    colouredLabel(controls, QStringLiteral("设定"), red, QRect(10, 42, 36, 20));
    const auto radio = [&](const char *name, const QString &caption, int left) {
        auto *button = new QRadioButton(caption, controls);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(left, 10, 130, 24);
        button->installEventFilter(this);
        return button;
    };
    RD_oXY = radio("RD_oXY", QStringLiteral("原点坐标设定"), 50);
    RD_XMAX = radio("RD_XMAX", QStringLiteral("横坐标最大值"), 290);
    RD_YMAX = radio("RD_YMAX", QStringLiteral("纵坐标最大值"), 430);

    // Typed keys are filtered below; the validator keeps pasted text to the
    // same characters.
    const QRegularExpression numberChars(QStringLiteral("[0-9.\\-]*"));
    const auto edit = [&](const char *name, int left) {
        auto *box = new QLineEdit(QStringLiteral("0"), controls);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(left, 40, 110, 24);
        box->setValidator(new QRegularExpressionValidator(numberChars, box));
        box->installEventFilter(this);
        return box;
    };
    Eox = edit("Eox", 50);
    Eoy = edit("Eoy", 170);
    MAX_X = edit("MAX_X", 290);
    MAX_y = edit("MAX_y", 430);

    UpDown1 = new QWidget(controls);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(570, 10, 22, 54);
    auto *arrows = new QVBoxLayout(UpDown1);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    m_up = new QToolButton(UpDown1);
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(UpDown1);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton *arrow : { m_up, m_down }) {
        arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        arrows->addWidget(arrow);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { UpDown1Click(true); });
    connect(m_down, &QToolButton::clicked, this, [this] { UpDown1Click(false); });

    colouredLabel(controls, QStringLiteral("选取"), red, QRect(620, 12, 36, 20));
    colouredLabel(controls, QStringLiteral("结果"), red, QRect(620, 42, 36, 20));
    colouredLabel(controls, QStringLiteral("X="), palette().color(QPalette::WindowText), QRect(670, 12, 24, 20));
    colouredLabel(controls, QStringLiteral("Y="), palette().color(QPalette::WindowText), QRect(670, 42, 24, 20));
    const QColor navy(0, 0, 128);
    L_x = colouredLabel(controls, QStringLiteral("0.0"), navy, QRect(696, 12, 200, 20));
    L_x->setObjectName(QStringLiteral("L_x"));
    L_y = colouredLabel(controls, QStringLiteral("0.0"), navy, QRect(696, 42, 200, 20));
    L_y->setObjectName(QStringLiteral("L_y"));
}

void TFram_curve::loadPage()
{
    if (m_ctx.page.PageType != app::pagecode::Curve)
        return;
    m_scale = 1.0;
    const QString path = m_ctx.page.ContentKey;
    QImage picture(path);
    if (picture.isNull())
        throw app::AppError("无法载入曲线图形文件“" + path.toStdString() + "”");
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    applyScale();
}

void TFram_curve::applyScale()
{
    const int width = static_cast<int>(m_picture.width() * m_scale);
    const int height = static_cast<int>(m_picture.height() * m_scale);
    Image1->setPixmap(QPixmap::fromImage(m_picture));
    Image1->setGeometry(0, 0, width, height);
    m_canvas->resize(width, height);
    sp_y->setGeometry(sp_y->x(), Image1->y(), 1, height);
    sp_x->setGeometry(Image1->x(), sp_x->y(), width, 1);
    sp_y->raise();
    sp_x->raise();
}

void TFram_curve::UpDown1Click(bool up)
{
    for (QLineEdit *box : { Eox, Eoy, MAX_X, MAX_y })
        box->setText(QStringLiteral("0"));
    const ScaleStep step = stepScale(m_scale, up);
    m_scale = step.scale;
    if (step.outOfRange)
        inform(QString::fromUtf8(kScaleOutOfRange));
    applyScale();
}

void TFram_curve::Image1MouseDown(QPoint pos)
{
    if (RD_oXY->isChecked()) {
        m_calibration.origin = pos;
        drawMark(pos);
        inform(QString::fromUtf8(kOriginSet));
    } else if (RD_XMAX->isChecked()) {
        if (!isPositiveNumber(MAX_X->text())) {
            inform(QString::fromUtf8(kXMaxFirst));
            return;
        }
        m_calibration.xMaxColumn = pos.x();
        drawMark(pos);
        inform(QString::fromUtf8(kXMaxSet));
    } else if (RD_YMAX->isChecked()) {
        if (!isPositiveNumber(MAX_y->text())) {
            inform(QString::fromUtf8(kYMaxFirst));
            return;
        }
        m_calibration.yMaxRow = pos.y();
        drawMark(pos);
        inform(QString::fromUtf8(kYMaxSet));
    }
}

void TFram_curve::drawMark(QPoint pos)
{
    if (m_picture.isNull() || Image1->width() <= 0 || Image1->height() <= 0)
        return;
    // The picture is stretched by the scale: the circle goes where the
    // pointer was on the natural-size picture.
    const QPoint at(pos.x() * m_picture.width() / Image1->width(), pos.y() * m_picture.height() / Image1->height());
    QPainter painter(&m_picture);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRect(at.x() - 3, at.y() - 3, 6, 6));
    painter.end();
    Image1->setPixmap(QPixmap::fromImage(m_picture));
}

void TFram_curve::Image1MouseMove(QPoint pos)
{
    const CurveReading reading
        = readCurve(m_calibration, { Eox->text(), Eoy->text(), MAX_X->text(), MAX_y->text() }, pos, Image1->height());
    L_x->setText(reading.x);
    L_y->setText(reading.y);
    sp_y->move(Image1->x() + pos.x() + 1, sp_y->y());
    sp_x->move(sp_x->x(), Image1->y() + pos.y() + 1);
}

bool TFram_curve::RD_oXYKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (Qt::KeyboardModifiers(modifiers & ~Qt::KeypadModifier) != Qt::KeyboardModifiers(Qt::ControlModifier)
        || !isArrow(key))
        return false;
    switch (key) {
    case Qt::Key_Up:
        sp_x->move(sp_x->x(), sp_x->y() - 1);
        break;
    case Qt::Key_Down:
        sp_x->move(sp_x->x(), sp_x->y() + 1);
        break;
    case Qt::Key_Right:
        sp_y->move(sp_y->x() + 1, sp_y->y());
        break;
    default:
        sp_y->move(sp_y->x() - 1, sp_y->y());
        break;
    }
    return true;
}

bool TFram_curve::EoxKeyPress(const QString &text, int key)
{
    if (key == Qt::Key_Delete)
        return false;
    if (key == Qt::Key_Backspace)
        return true;
    if (text.isEmpty())
        return false;
    const QChar c = text.at(0);
    return !((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') || c == QLatin1Char('-'));
}

bool TFram_curve::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1) {
        if (event->type() == QEvent::MouseButtonPress)
            Image1MouseDown(static_cast<QMouseEvent *>(event)->position().toPoint());
        else if (event->type() == QEvent::MouseMove)
            Image1MouseMove(static_cast<QMouseEvent *>(event)->position().toPoint());
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (RD_oXYKeyDown(key->key(), key->modifiers()))
        return true;
    const bool isEdit = watched == Eox || watched == Eoy || watched == MAX_X || watched == MAX_y;
    return isEdit && EoxKeyPress(key->text(), key->key());
}

void TFram_curve::inform(const QString &text)
{
    m_ctx.messages().inform(text, QString::fromUtf8(app::kProgramTitle));
}

} // namespace holvane::pages
