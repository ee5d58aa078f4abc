#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace holvane::app {
class AppContext;
}

namespace holvane::query {

// The data search dialog (form frm_search, "数据搜索"): finds a text in the
// table page's cells and moves the grid to it; "下一个" goes on from the
// search position that all search dialogs share.
class Tfrm_search : public QWidget {
    Q_OBJECT
public:
    Tfrm_search(app::AppContext &context, QWidget *owner);

    void Button1Click(); // 搜索
    void Button2Click(); // 下一个

private:
    app::AppContext &m_ctx;
    QLabel *Label1;
    QLineEdit *Edit1;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
};

} // namespace holvane::query
