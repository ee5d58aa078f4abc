#include "pages/tfrm_1.h"

#include "app/appcontext.h"
#include "app/data/datasource.h"
#include "app/errorguard.h"
#include "app/fontsetup.h"
#include "app/pagecode.h"
#include "app/tmainform.h"
#include "pages/cardgrid.h"
#include "pages/cardlayout.h"
#include "pages/cardpanel.h"
#include "pages/cardrecord.h"
#include "query/tfrm_cxjg.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace holvane::pages {

namespace {

constexpr int kHeaderHeight = 33;
constexpr int kCardsInView = 6;
constexpr int kCaptionTop = 8;
// Caption places before a table's layout is known, as the page was designed.
constexpr int kDesignCaptions[] = { 80, 420, 800 };
constexpr int kDesignNameLine = 220;
constexpr int kDesignPictureLine = 680;

QFrame *headerLine(QWidget *parent, const char *name)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

void placeLine(QFrame *line, int left, bool visible)
{
    line->setGeometry(left, 0, 1, kHeaderHeight);
    line->setVisible(visible);
}

void placeCaption(QLabel *label, const CardCaption &caption)
{
    label->setVisible(caption.visible);
    if (!caption.visible)
        return;
    label->setText(caption.text);
    label->adjustSize();
    label->move(caption.left, kCaptionTop);
}

} // namespace

TFrm_1::TFrm_1(app::AppContext &context, QWidget *host)
    : app::PageFrame(host)
    , m_ctx(context)
{
    setObjectName(QStringLiteral("Frm_1"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setFont(app::songtiFont(16));

    m_source = new app::DataSource(this);
    m_source->setObjectName(QStringLiteral("DataSource1"));

    Shape4 = new QFrame(this);
    Shape4->setObjectName(QStringLiteral("Shape4"));
    Shape4->setFrameShape(QFrame::Box);
    Shape4->setFrameShadow(QFrame::Plain);
    Shape4->setFixedHeight(kHeaderHeight);
    const auto caption = [&](const char *name, const QString &text, int left) {
        auto *label = new QLabel(text, Shape4);
        label->setObjectName(QString::fromLatin1(name));
        label->adjustSize();
        label->move(left, kCaptionTop);
        return label;
    };
    Label1 = caption("Label1", QStringLiteral("名称"), kDesignCaptions[0]);
    Label2 = caption("Label2", QStringLiteral("描述"), kDesignCaptions[1]);
    Label3 = caption("Label3", QStringLiteral("附图"), kDesignCaptions[2]);
    Shape5 = headerLine(Shape4, "Shape5");
    Shape6 = headerLine(Shape4, "Shape6");
    placeLine(Shape5, kDesignNameLine, true);
    placeLine(Shape6, kDesignPictureLine, true);

    m_grid = new CardGrid(this);
    m_grid->setObjectName(QStringLiteral("DBCtrlGrid1"));
    m_grid->setRowCount(kCardsInView);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Shape4);
    layout->addWidget(m_grid);
    layout->addStretch(1);

    connect(
        m_grid, &CardGrid::imageClicked, this, [this] { app::guarded(m_ctx.messages(), [this] { DBImage1Click(); }); });
    connect(m_grid, &CardGrid::textDoubleClicked, this,
        [this] { app::guarded(m_ctx.messages(), [this] { DBEdit1DblClick(); }); });
    // The columns follow the cards' width when the window changes size.
    connect(m_grid, &CardGrid::cardWidthChanged, this, [this] {
        if (m_table.isOpen())
            layOutColumns();
    });
}

TFrm_1::~TFrm_1()
{
    m_grid->setDataSource(nullptr);
    m_source->setCursor(nullptr);
}

void TFrm_1::closeTables()
{
    m_source->setCursor(nullptr);
    m_table.close();
    m_grid->refresh();
}

void TFrm_1::loadPage()
{
    const int type = m_ctx.page.PageType;
    if (type != app::pagecode::Cards && type != app::pagecode::CardsAlt)
        return;
    closeTables();
    m_table.setAlias(m_ctx.aliases(), "j212dat", m_ctx.page.ContentKey.toStdString());
    m_grid->setDataSource(m_source);
    m_table.open();
    // The cards take their width from the page as it stands once laid out.
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    layOutColumns();
    m_source->setCursor(&m_table);
}

void TFrm_1::layOutColumns()
{
    const QFrame *border = m_grid->panel(0)->Shape1();
    const std::optional<CardLayout> layout = cardLayout(m_table.fields(), border->x(), m_grid->cardWidth());
    m_grid->setCardLayout(layout);
    if (!layout)
        return;
    placeLine(Shape5, layout->nameSeparator.value_or(0), layout->nameSeparator.has_value());
    placeLine(Shape6, layout->pictureSeparator.value_or(0), layout->pictureSeparator.has_value());
    placeCaption(Label1, layout->nameCaption);
    placeCaption(Label2, layout->descriptionCaption);
    placeCaption(Label3, layout->pictureCaption);
}

void TFrm_1::DBImage1Click()
{
    if (!m_table.isOpen())
        return;
    const int field = cardPictureField(m_table);
    if (field < 0)
        return;
    const std::string &bytes = m_table.value(field).rawBytes();
    QImage picture;
    if (!picture.loadFromData(reinterpret_cast<const uchar *>(bytes.data()), static_cast<int>(bytes.size())))
        return;
    if (auto *main = qobject_cast<app::TMainForm *>(m_ctx.windows.mainForm.data()))
        main->enlargePicture(picture);
}

void TFrm_1::DBEdit1DblClick()
{
    if (!m_table.isOpen() || m_table.recNo() < 0)
        return;
    Memo1->clear();
    Memo1->setPlainText(QString::fromStdString(cardText(m_table)));
    m_ctx.page.PickedText = Memo1->toPlainText();
    auto *result = new query::Tfrm_cxjg(m_ctx, this);
    result->setAttribute(Qt::WA_DeleteOnClose);
    result->show();
}

} // namespace holvane::pages
