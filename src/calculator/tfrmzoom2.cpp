#include "calculator/tfrmzoom2.h"

#include "app/screenscaling.h"

#include <QLabel>
#include <QVBoxLayout>

namespace holvane::calculator {

TFrmZoom2::TFrmZoom2(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FrmZoom2"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);
    resize(270, 238);
    app::ScreenScaling(*this);
}

void TFrmZoom2::showPicture(const QString &caption, QSize size, const QImage &picture)
{
    setWindowTitle(caption);
    Image1->setPixmap(QPixmap::fromImage(picture.copy()));
    resize(size);
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
}

} // namespace holvane::calculator
