#include "app/data/dbedit.h"

namespace holvane::app {

DbEdit::DbEdit(QWidget *parent) : QLineEdit(parent), m_binding([this] { setText(m_binding.text()); })
{
    setReadOnly(true);
}

} // namespace holvane::app
