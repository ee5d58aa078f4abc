#pragma once

#include <QString>

namespace holvane::query {

// The result history's working text files: written as UTF-8, one line a
// line; read as UTF-8, or as GBK when the bytes are not valid UTF-8. False,
// and `text` untouched, when the file cannot be read or written whole.
bool readWorkFile(const QString &file, QString &text);
bool writeWorkFile(const QString &file, const QString &text);

} // namespace holvane::query
