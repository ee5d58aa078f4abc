#include "query/workfile.h"

#include "text/gbk.h"

#include <QFile>
#include <QSaveFile>

namespace holvane::query {

bool readWorkFile(const QString &file, QString &text)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return false;
    text = QString::fromStdString(text::decodeTextFile(std::string_view(bytes.constData(), bytes.size())));
    return true;
}

bool writeWorkFile(const QString &file, const QString &text)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes = text.toUtf8();
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += '\n';
    return out.write(bytes) == bytes.size() && out.commit();
}

} // namespace holvane::query
