#include "app/data/dbmemo.h"

namespace holvane::app {

DbMemo::DbMemo(QWidget *parent) : QPlainTextEdit(parent), m_binding([this] { setPlainText(m_binding.text()); })
{
    setReadOnly(true);
}

} // namespace holvane::app
