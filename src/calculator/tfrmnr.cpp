#include "calculator/tfrmnr.h"

#include "app/appcontext.h"
#include "app/desktopservice.h"
#include "app/errorguard.h"
#include "app/messageservice.h"
#include "app/screenscaling.h"
#include "formula/formulaevaluator.h"
#include "query/gbklengthvalidator.h"
#include "store/storeerror.h"
#include "store/table.h"

#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace holvane::calculator {

namespace {

constexpr int kUserCategory = 10;
// The widths of 公式名 and Gongshi in the formula table, in GBK bytes.
constexpr int kNameBytes = 100;
constexpr int kExpressionBytes = 255;

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QLabel *preview(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setScaledContents(true);
    label->setMinimumSize(200, 150);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}

std::string readWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw store::StoreError("无法读取图形文件 " + path.toStdString());
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace

TfrmNr::TfrmNr(app::AppContext &context, store::Table &formulas, QWidget *parent)
    : QDialog(parent)
    , m_ctx(context)
    , m_formulas(formulas)
{
    setObjectName(QStringLiteral("frmNr"));
    setWindowTitle(QStringLiteral("用户公式录入"));
    setAttribute(Qt::WA_DeleteOnClose);

    TeThemeEdit2 = new QLineEdit(this);
    TeThemeEdit2->setObjectName(QStringLiteral("TeThemeEdit2"));
    TeThemeEdit2->setValidator(new query::GbkLengthValidator(kNameBytes, TeThemeEdit2));
    TeThemeEdit1 = new QLineEdit(this);
    TeThemeEdit1->setObjectName(QStringLiteral("TeThemeEdit1"));
    TeThemeEdit1->setValidator(new query::GbkLengthValidator(kExpressionBytes, TeThemeEdit1));
    Image2 = preview(this, "Image2");
    Image1 = preview(this, "Image1");

    auto *fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("请输入公式名称："), this), 0, 0);
    fields->addWidget(TeThemeEdit2, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("请输入公式表达式："), this), 1, 0);
    fields->addWidget(TeThemeEdit1, 1, 1);

    auto *pictures = new QGroupBox(QStringLiteral("图形预览"), this);
    auto *pictureRow = new QHBoxLayout(pictures);
    pictureRow->addWidget(Image2);
    pictureRow->addWidget(Image1);

    auto *choose = new QHBoxLayout;
    QPushButton *b5 = button(this, "TeThemeButton5", QStringLiteral("加载与公式相关的参数说明图形...."));
    QPushButton *b1 = button(this, "TeThemeButton1", QStringLiteral("加载与公式相关的示意图...."));
    choose->addWidget(b5);
    choose->addWidget(b1);

    auto *actions = new QHBoxLayout;
    QPushButton *b2 = button(this, "TeThemeButton2", QStringLiteral("录入"));
    QPushButton *b3 = button(this, "TeThemeButton3", QStringLiteral("清零"));
    QPushButton *b4 = button(this, "TeThemeButton4", QStringLiteral("退回"));
    actions->addStretch();
    for (QPushButton *b : { b2, b3, b4 }) {
        b->setAutoDefault(false);
        actions->addWidget(b);
    }
    b5->setAutoDefault(false);
    b1->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(pictures, 1);
    layout->addLayout(choose);
    layout->addLayout(actions);

    connect(b1, &QPushButton::clicked, this, [this] { TeThemeButton1Click(); });
    connect(b5, &QPushButton::clicked, this, [this] { TeThemeButton5Click(); });
    connect(b2, &QPushButton::clicked, this, [this] { TeThemeButton2Click(); });
    connect(TeThemeEdit1, &QLineEdit::returnPressed, this, [this] { TeThemeButton2Click(); });
    connect(b3, &QPushButton::clicked, this, [this] { TeThemeButton3Click(); });
    connect(b4, &QPushButton::clicked, this, &QWidget::close);

    resize(570, 362);
    app::ScreenScaling(*this);
}

QString TfrmNr::choosePicture(QLabel *target)
{
    app::DesktopService &desktop = m_ctx.desktop();
    desktop.setClipboardText(QString());
    const QString path = desktop.openFileName(
        this, windowTitle(), QStringLiteral("位图(*.bmp)"), QString::fromStdString(m_ctx.appDir().u8string()));
    if (path.isEmpty())
        return {};
    QImage picture(path);
    if (picture.isNull()) {
        m_ctx.messages().inform(QStringLiteral("无法读取该图形文件，请另选一个位图文件！"), windowTitle());
        return {};
    }
    target->setPixmap(QPixmap::fromImage(picture));
    desktop.setClipboardImage(picture);
    return path;
}

void TfrmNr::TeThemeButton1Click()
{
    if (const QString path = choosePicture(Image1); !path.isEmpty())
        m_diagramPath = path;
}

void TfrmNr::TeThemeButton5Click()
{
    if (const QString path = choosePicture(Image2); !path.isEmpty())
        m_picturePath = path;
}

bool TfrmNr::nameExists(const std::string &name)
{
    const QString wanted = QString::fromStdString(name);
    const int field = m_formulas.fieldIndex("公式名");
    for (int i = 0; i < m_formulas.recordCount(); ++i) {
        const store::Value &v = m_formulas.valueAt(i, field);
        if (v.isText() && QString::fromStdString(v.text()).compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void TfrmNr::TeThemeButton2Click()
{
    app::guarded(m_ctx.messages(), [this] {
        const auto inform
            = [this](const char *text) { m_ctx.messages().inform(QString::fromUtf8(text), windowTitle()); };
        if (!m_formulas.isOpen())
            m_formulas.open();
        const QString name = TeThemeEdit2->text();
        const QString expression = TeThemeEdit1->text();
        if (nameExists(name.toStdString()))
            return inform("该公式已存在！");
        if (name.isEmpty() || expression.isEmpty())
            return inform("请先在上面的编辑框中按要求输入！");
        const int equals = expression.indexOf(QLatin1Char('='));
        const QString right = equals < 0 ? expression : expression.mid(equals + 1);
        if (formula::FormulaSplitsCharacter(right.toStdString(), formula::EvaluatorProfile::calculator()))
            return inform("公式中的汉字变量名会被拆开（变量名过长或含有运算符字节），请改用较短的变量名！");
        if (m_diagramPath == QLatin1String(kNoDiagram))
            return inform("您须要为此公式选择图形说明才可输入公式！");
        if (m_picturePath == QLatin1String(kNoPicture))
            return inform("您须要为此公式选择参数说明图形才可输入公式！");
        if (!m_ctx.messages().confirm(QStringLiteral("您确定要录入吗？")))
            return;
        appendFormula(name, expression);
    });
}

void TfrmNr::appendFormula(const QString &name, const QString &expression)
{
    const auto reset = [this] {
        m_formulas.close();
        m_diagramPath = QString::fromLatin1(kNoDiagram);
        m_picturePath = QString::fromLatin1(kNoPicture);
        m_formulas.open();
    };
    try {
        m_formulas.last();
        const store::Value &last = m_formulas.value("CID");
        const std::int64_t cid = last.isInteger() ? last.integer() : 0;
        const std::string diagram = readWhole(m_diagramPath);
        const std::string picture = readWhole(m_picturePath);
        m_formulas.append();
        m_formulas.setText("公式名", name.toStdString());
        m_formulas.setText("Gongshi", expression.toStdString());
        m_formulas.setValue("PID", store::Value(kUserCategory));
        m_formulas.setValue("CID", store::Value(cid + 1));
        m_formulas.setValue("图表说明", store::Value::bytes(diagram));
        m_formulas.setValue("公式图", store::Value::bytes(picture));
        m_formulas.post();
    } catch (...) {
        if (m_formulas.state() != store::TableState::Browse && m_formulas.isOpen())
            m_formulas.cancel();
        reset();
        throw;
    }
    reset();
}

void TfrmNr::TeThemeButton3Click()
{
    TeThemeEdit2->clear();
    TeThemeEdit1->clear();
    Image1->clear();
    Image2->clear();
}

void TfrmNr::done(int result)
{
    app::guarded(m_ctx.messages(), [this] {
        if (!m_formulas.isOpen())
            m_formulas.open();
    });
    QDialog::done(result);
}

} // namespace holvane::calculator
