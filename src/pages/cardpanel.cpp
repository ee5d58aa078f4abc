#include "pages/cardpanel.h"

#include "app/fontsetup.h"
#include "store/cursor.h"
#include "store/fieldvalue.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace holvane::pages {

namespace {

constexpr int kEditTop = 35;
constexpr int kEditHeight = 24;
constexpr int kMemoTop = 8;
constexpr int kBoxHeight = 62;

// Places before a table's layout is known, as the card was designed.
constexpr CardControl kDesignEdit { true, 10, 200, -1 };
constexpr CardControl kDesignMemo { true, 230, 440, -1 };
constexpr CardControl kDesignImage { true, 690, 290, -1 };
constexpr int kDesignNameLine = 220;
constexpr int kDesignPictureLine = 680;

QFrame *separatorLine(QWidget *parent, const char *name)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

void whiteWithoutBorder(QWidget *control)
{
    control->setAutoFillBackground(true);
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Window, Qt::white);
    control->setPalette(palette);
}

void place(QWidget *control, const CardControl &at, int top, int height)
{
    control->setGeometry(at.left, top, std::max(at.width, 0), height);
    control->setVisible(at.visible);
}

std::string fieldText(const store::Cursor *cursor, int position, int field)
{
    if (!cursor || field < 0 || field >= cursor->fieldCount())
        return {};
    return store::valueToText(cursor->field(field), cursor->valueAt(position, field));
}

} // namespace

CardPanel::CardPanel(QWidget *parent)
    : QFrame(parent)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    m_border = new QFrame(this);
    m_border->setObjectName(QStringLiteral("Shape1"));
    m_border->setFrameShape(QFrame::Box);
    m_border->setFrameShadow(QFrame::Plain);
    m_nameLine = separatorLine(this, "Shape2");
    m_pictureLine = separatorLine(this, "Shape3");

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("DBEdit1"));
    m_edit->setReadOnly(true);
    m_edit->setFrame(false);
    m_edit->setFont(app::songtiFont(16));
    whiteWithoutBorder(m_edit);

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("DBMemo1"));
    m_memo->setReadOnly(true);
    m_memo->setFrameShape(QFrame::NoFrame);
    m_memo->setFont(app::songtiFont(15));
    m_memo->setToolTip(QStringLiteral("双击查询结果"));
    whiteWithoutBorder(m_memo);

    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("DBImage1"));
    m_image->setAlignment(Qt::AlignCenter);
    m_image->setToolTip(QStringLiteral("单击放大图形"));
    whiteWithoutBorder(m_image);

    for (QObject *watched :
        { static_cast<QObject *>(m_edit), static_cast<QObject *>(m_memo->viewport()), static_cast<QObject *>(m_image) })
        watched->installEventFilter(this);
    setCardLayout(std::nullopt);
}

void CardPanel::placeSeparator(QFrame *line, const std::optional<int> &left)
{
    line->setGeometry(left.value_or(0), 0, 1, height());
    line->setVisible(left.has_value());
}

void CardPanel::setCardLayout(const std::optional<CardLayout> &layout)
{
    m_layout = layout;
    m_border->setGeometry(rect());
    if (layout) {
        placeSeparator(m_nameLine, layout->nameSeparator);
        placeSeparator(m_pictureLine, layout->pictureSeparator);
        place(m_edit, layout->edit, kEditTop, kEditHeight);
        place(m_memo, layout->memo, kMemoTop, kBoxHeight);
        place(m_image, layout->image, kMemoTop, kBoxHeight);
    } else {
        placeSeparator(m_nameLine, kDesignNameLine);
        placeSeparator(m_pictureLine, kDesignPictureLine);
        place(m_edit, kDesignEdit, kEditTop, kEditHeight);
        place(m_memo, kDesignMemo, kMemoTop, kBoxHeight);
        place(m_image, kDesignImage, kMemoTop, kBoxHeight);
    }
}

void CardPanel::showRecord(const store::Cursor *cursor, int position)
{
    m_position = position;
    const int editField = m_layout ? m_layout->edit.field : -1;
    const int memoField = m_layout ? m_layout->memo.field : -1;
    const int imageField = m_layout ? m_layout->image.field : -1;
    m_edit->setText(QString::fromStdString(fieldText(cursor, position, editField)));
    m_edit->setCursorPosition(0);
    m_memo->setPlainText(QString::fromStdString(fieldText(cursor, position, memoField)));
    QPixmap picture;
    if (cursor && imageField >= 0 && imageField < cursor->fieldCount()) {
        const std::string &bytes = cursor->valueAt(position, imageField).rawBytes();
        picture.loadFromData(reinterpret_cast<const uchar *>(bytes.data()), static_cast<uint>(bytes.size()));
    }
    // A drawing larger than the card is shown whole, reduced.
    if (!picture.isNull() && (picture.width() > m_image->width() || picture.height() > m_image->height()))
        picture = picture.scaled(m_image->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_image->setPixmap(picture);
}

bool CardPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        emit pressed();
    } else if (event->type() == QEvent::MouseButtonRelease && watched == m_image) {
        if (m_image->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
            emit imageClicked();
    } else if (event->type() == QEvent::MouseButtonDblClick && watched != m_image) {
        emit pressed();
        emit textDoubleClicked();
    }
    return false;
}

void CardPanel::mousePressEvent(QMouseEvent *event)
{
    emit pressed();
    QFrame::mousePressEvent(event);
}

void CardPanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    setCardLayout(m_layout);
}

} // namespace holvane::pages
