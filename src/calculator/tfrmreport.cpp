#include "calculator/tfrmreport.h"

#include "app/appcontext.h"
#include "app/errorguard.h"

#include <QCloseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace holvane::calculator {

namespace {

constexpr double kBand = 10.6; // mm, every band
constexpr double kPageWidth = 190; // mm between the margins
constexpr double kPageHeight = 277; // mm between the margins

// A Latin face first keeps digits extractable from the PDF; the CJK face
// draws the Chinese text.
QFont reportFont(bool kai, int points, bool bold = false, bool italic = false)
{
    QFont font;
    font.setFamilies(
        { QStringLiteral("DejaVu Sans"), kai ? QStringLiteral("楷体_GB2312") : QStringLiteral("Noto Sans CJK SC") });
    font.setPointSize(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

class Bands {
public:
    Bands(QPainter &painter, double dotsPerMm)
        : m_p(painter)
        , m_dpm(dotsPerMm)
    {
    }

    void text(double x, double y, const QString &s, Qt::Alignment align = Qt::AlignLeft, double width = 0)
    {
        const double w = width > 0 ? width : kPageWidth - x;
        m_p.drawText(QRectF(x * m_dpm, y * m_dpm, w * m_dpm, kBand * m_dpm), align | Qt::AlignVCenter, s);
    }

private:
    QPainter &m_p;
    double m_dpm;
};

} // namespace

void setReportPage(QPrinter &printer)
{
    printer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
}

TFrmreport::TFrmreport(app::AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_ctx(context)
{
    setObjectName(QStringLiteral("Frmreport"));
    setWindowTitle(QStringLiteral("结果报表"));
    m_history.setPath(context.appDir() / "计算器" / "data", "计算结果.DB");
    m_history.setExclusive(true);
    app::guarded(context.messages(), [this] { m_history.open(); });
}

std::vector<std::array<std::string, 3>> TFrmreport::rows()
{
    if (m_history.isOpen())
        m_history.refresh();
    else
        m_history.open();
    std::vector<std::array<std::string, 3>> result;
    for (int i = 0; i < m_history.recordCount(); ++i) {
        m_history.moveTo(i);
        result.push_back({ m_history.text("项目"), m_history.text("数值"), m_history.text("单位") });
    }
    return result;
}

void TFrmreport::printReport(QPrinter &printer)
{
    const auto lines = rows();
    QPainter painter(&printer);
    const double dpm = printer.resolution() / 25.4;
    Bands bands(painter, dpm);
    const QColor navy(0, 0, 128);
    int page = 1;
    size_t next = 0;
    do {
        if (page > 1)
            printer.newPage();
        double y = 0;
        painter.setPen(Qt::black);
        painter.setFont(reportFont(false, 10));
        bands.text(159.8, y, QStringLiteral("第"));
        bands.text(172.2, y, QString::number(page));
        bands.text(184.9, y, QStringLiteral("页"));
        y += kBand;
        painter.setPen(navy);
        if (page == 1) {
            painter.setFont(reportFont(true, 18, true, true));
            bands.text(0, y, QStringLiteral("计算结果报表"), Qt::AlignHCenter, kPageWidth);
            y += kBand;
        }
        painter.setFont(reportFont(true, 14, true));
        bands.text(0.8, y, QStringLiteral("项目"));
        bands.text(40.5, y, QStringLiteral("项目名称"));
        bands.text(178.1, y, QStringLiteral("备注"));
        y += kBand;
        painter.setPen(Qt::black);
        painter.setFont(reportFont(false, 10));
        for (; next < lines.size() && y + 2 * kBand <= kPageHeight; ++next, y += kBand) {
            bands.text(2.1, y, QString::fromStdString(lines[next][0]), Qt::AlignLeft, 39);
            bands.text(41.5, y, QString::fromStdString(lines[next][1]), Qt::AlignLeft, 136);
            bands.text(180.2, y, QString::fromStdString(lines[next][2]));
        }
        painter.setPen(navy);
        painter.setFont(reportFont(true, 11));
        bands.text(
            0, kPageHeight - kBand, QStringLiteral("注：i 表示输入参数；o 表示输出参数。"), Qt::AlignRight, kPageWidth);
        ++page;
    } while (next < lines.size());
}

void TFrmreport::preview(QWidget *parent)
{
    auto *dialog = new QPrintPreviewDialog(parent);
    dialog->setObjectName(QStringLiteral("QRPreview"));
    dialog->setWindowTitle(QStringLiteral("结果报表"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    setReportPage(*dialog->printer());
    connect(dialog, &QPrintPreviewDialog::paintRequested, this,
        [this](QPrinter *printer) { app::guarded(m_ctx.messages(), [&] { printReport(*printer); }); });
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->open();
}

void TFrmreport::closeEvent(QCloseEvent *event)
{
    m_history.close();
    QWidget::closeEvent(event);
}

} // namespace holvane::calculator
