#include "app/data/dbimage.h"

#include "store/cursor.h"

#include <QPixmap>

namespace holvane::app {

DbImage::DbImage(QWidget *parent) : QLabel(parent), m_binding([this] { refresh(); })
{
    setAlignment(Qt::AlignCenter);
}

void DbImage::refresh()
{
    const store::Cursor *cursor = m_binding.openCursor();
    QPixmap picture;
    if (cursor) {
        const std::string &bytes = cursor->value(m_binding.field().toStdString()).rawBytes();
        picture.loadFromData(reinterpret_cast<const uchar *>(bytes.data()), static_cast<uint>(bytes.size()));
    }
    setPixmap(picture);
}

} // namespace holvane::app
