#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace holvane::app {
class AppContext;
}

namespace holvane::query {

// The data query dialog (form frm_find, "数据查询"): one condition on one
// field of the table page, switched on and off there. The dialog shown last
// is the one whose condition the table page's filter reads.
class Tfrm_find : public QWidget {
    Q_OBJECT
public:
    Tfrm_find(app::AppContext &context, QWidget *owner);

    void BitBtn1Click(); // 查询
    void Button1Click(); // 撤销查询

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void publishCondition();

    app::AppContext &m_ctx;
    int m_id;
    QComboBox *ComboBox1;
    QComboBox *ComboBox2;
    QLineEdit *Edit1;
    QPushButton *BitBtn1;
    QPushButton *Button1;
    QPushButton *BitBtn2;
};

} // namespace holvane::query
