#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace holvane::app {
class AppContext;
}
namespace holvane::store {
class Table;
}

namespace holvane::calculator {

// The user formula entry "用户公式录入": a name, an expression and two
// pictures become a record of the calculator's formula table under the user
// category (PID 10). A new window serves each opening; the calculator closes
// its formula table while the window is open, and the window opens it again
// when it closes.
class TfrmNr : public QDialog {
    Q_OBJECT
public:
    // Markers of the picture paths while no file has been chosen.
    static constexpr const char *kNoDiagram = "222";
    static constexpr const char *kNoPicture = "223";

    TfrmNr(app::AppContext &context, store::Table &formulas, QWidget *parent = nullptr);

    const QString &diagramPath() const { return m_diagramPath; }
    const QString &picturePath() const { return m_picturePath; }

    void TeThemeButton1Click(); // the diagram
    void TeThemeButton5Click(); // the parameter picture
    void TeThemeButton2Click(); // 录入
    void TeThemeButton3Click(); // 清零

    // Closing ("退回", the close box, Esc) opens the formula table again.
    void done(int result) override;

private:
    QString choosePicture(QLabel *preview);
    bool nameExists(const std::string &name);
    void appendFormula(const QString &name, const QString &expression);

    app::AppContext &m_ctx;
    store::Table &m_formulas;
    QLineEdit *TeThemeEdit2;
    QLineEdit *TeThemeEdit1;
    QLabel *Image1;
    QLabel *Image2;
    QString m_diagramPath = QString::fromLatin1(kNoDiagram);
    QString m_picturePath = QString::fromLatin1(kNoPicture);
};

} // namespace holvane::calculator
