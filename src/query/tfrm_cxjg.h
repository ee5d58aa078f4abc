#pragma once

#include "store/table.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace holvane::app {
class AppContext;
}

namespace holvane::query {

// The query result window (form frm_cxjg, "查询结果"): a picked text under
// the page title as subject, editable, saved into cx_jl.db.
class Tfrm_cxjg : public QWidget {
    Q_OBJECT
public:
    Tfrm_cxjg(app::AppContext &context, QWidget *owner);

    void Button1Click(); // 保存
    void Button2Click(); // 清除

protected:
    void showEvent(QShowEvent *event) override;

private:
    app::AppContext &m_ctx;
    store::Table T_cxjl;
    QLabel *Label2;
    QLineEdit *E_zt;
    QLabel *Label1;
    QPlainTextEdit *Memo1;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
};

} // namespace holvane::query
