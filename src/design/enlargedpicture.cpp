#include "design/enlargedpicture.h"

#include "app/appcontext.h"

#include <QLabel>
#include <QVBoxLayout>

namespace holvane::design {

namespace {

QWidget *ownImageForm(QWidget *owner)
{
    const QString name = QStringLiteral("TImageForm");
    if (auto *existing = owner->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly))
        return existing;
    auto *form = new QWidget(owner, Qt::Window);
    form->setObjectName(name);
    auto *layout = new QVBoxLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *image = new QLabel(form);
    image->setObjectName(QStringLiteral("Image1"));
    image->setAlignment(Qt::AlignCenter);
    layout->addWidget(image);
    return form;
}

} // namespace

QWidget *showEnlarged(app::AppContext &context, QWidget *owner, const QPixmap &picture, const QString &caption)
{
    QWidget *form = context.windows.imageForm;
    if (!form || !form->findChild<QLabel *>(QStringLiteral("Image1")))
        form = ownImageForm(owner);
    form->findChild<QLabel *>(QStringLiteral("Image1"))->setPixmap(picture);
    form->setWindowTitle(caption);
    form->resize(picture.width() + 5, picture.height() + 25);
    form->setWindowModality(Qt::ApplicationModal);
    form->show();
    form->raise();
    return form;
}

} // namespace holvane::design
