#include "calculator/tjsform.h"

#include "app/appcontext.h"
#include "app/data/datasource.h"
#include "app/data/dbimage.h"
#include "app/data/tablemodel.h"
#include "app/data/treemodel.h"
#include "app/desktopservice.h"
#include "app/errorguard.h"
#include "app/messageservice.h"
#include "app/pictures.h"
#include "app/screenscaling.h"
#include "calculator/calculatormodule.h"
#include "calculator/parametergrid.h"
#include "calculator/resulthistory.h"
#include "calculator/resultrounding.h"
#include "calculator/tform3.h"
#include "calculator/tfrmnr.h"
#include "calculator/tfrmreport.h"
#include "calculator/tfrmzoom2.h"
#include "calculator/typingfilter.h"
#include "calculator/valuerelations.h"
#include "store/scramble.h"
#include "text/gbk.h"

#include <QApplication>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace holvane::calculator {

namespace {

constexpr int kUserCategory = 10;
constexpr int kVariableRows = ParameterGrid::kRows - 1;
const char *const kCaption = "工程计算器";
const char *const kOutOfRange = "输入数值超出计算范围，请重新输入!";

struct KeyDef {
    const char *name;
    const char *caption;
    Keypad::Key key;
};

// In the keypad's order on the panel, three rows of six.
const KeyDef kKeys[] = {
    { "TeThemeSpeedButton1", "+", Keypad::Key::Plus },
    { "TeThemeSpeedButton2", "-", Keypad::Key::Minus },
    { "TeThemeSpeedButton3", "x", Keypad::Key::Times },
    { "TeThemeSpeedButton4", "÷", Keypad::Key::Divide },
    { "TeThemeSpeedButton20", "x^y", Keypad::Key::Power },
    { "TeThemeSpeedButton16", "=", Keypad::Key::Equals },
    { "TeThemeSpeedButton5", "sqrt", Keypad::Key::Sqrt },
    { "TeThemeSpeedButton6", "sin", Keypad::Key::Sin },
    { "TeThemeSpeedButton7", "cos", Keypad::Key::Cos },
    { "TeThemeSpeedButton8", "tan", Keypad::Key::Tan },
    { "TeThemeSpeedButton9", "ln", Keypad::Key::Ln },
    { "TeThemeSpeedButton10", "exp", Keypad::Key::Exp },
    { "TeThemeSpeedButton11", "arcsin", Keypad::Key::ArcSin },
    { "TeThemeSpeedButton12", "arccos", Keypad::Key::ArcCos },
    { "TeThemeSpeedButton13", "arctan", Keypad::Key::ArcTan },
    { "TeThemeSpeedButton14", "arcctan", Keypad::Key::ArcCot },
    { "TeThemeSpeedButton15", "∑", Keypad::Key::Sum },
    { "TeThemeSpeedButton19", "清空", Keypad::Key::Clear },
};

QPushButton *namedButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

Tjsform::Tjsform(app::AppContext &context, CalculatorModule &module, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
    , m_ctx(context)
    , m_module(module)
    , m_keypad(module.registers, context.messages())
{
    setObjectName(QStringLiteral("jsform"));
    setWindowTitle(QString::fromUtf8(kCaption));

    m_source = new app::DataSource(this);
    m_treeModel = new app::TreeModel("CID", "PID", "公式名", this);
    m_indexModel = new app::TableModel(this);

    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);
    columns->setContentsMargins(4, 4, 4, 4);
    columns->addWidget(buildLibraryColumn(), 200);
    columns->addWidget(buildFormulaColumn(), 300);
    columns->addWidget(buildResultColumn(), 275);
    setCentralWidget(central);
    buildMenu();

    m_module.evaluator().setAngleUnit(formula::AngleUnit::Degrees);
    m_module.registers.A = 1;
    m_module.registers.B = 0;

    const std::filesystem::path data = context.appDir() / "计算器" / "data";
    m_formulas.setPath(data, "cygs.DB");
    m_formulas.setFilter([](const store::RecordView &r) { return !r.text(3).empty(); });
    m_history.setPath(data, "计算结果.DB");
    m_history.setExclusive(true);
    m_source->setCursor(&m_formulas);
    m_source->addListener([this] {
        if (m_following)
            ShowFormula(true);
    });
    PageControl1->setCurrentIndex(0);

    resize(775, 526 + menuBar()->sizeHint().height());
    app::ScreenScaling(*this);
}

Tjsform::~Tjsform()
{
    m_source->setCursor(nullptr);
}

void Tjsform::guard(const std::function<void()> &work)
{
    app::guarded(m_ctx.messages(), work);
}

void Tjsform::buildMenu()
{
    QMenu *view = menuBar()->addMenu(QStringLiteral("查看(&V)"));
    const auto item = [this](QMenu *menu, const char *name, const QString &caption, std::function<void()> work) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, work] { guard(work); });
        return a;
    };
    item(view, "CustomItem1", QStringLiteral("公式录入(&L)"), [this] { openFormulaEntry(); });
    view->addSeparator();
    item(view, "CustomItem5", QStringLiteral("结果输出(&P)"), [this] { CustomItem5Click(); });
    item(view, "CustomItem12", QStringLiteral("清空结果(&Q)"), [this] { CustomItem12Click(); });
    item(view, "CustomItem3", QStringLiteral("退出(&C)"), [this] { close(); });
    QMenu *help = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    item(help, "CustomItem7", QStringLiteral("帮助主题(&H)"), [this] {
        const QString file = QString::fromStdString((m_ctx.appDir() / "help" / "工程计算器.html").string());
        m_ctx.desktop().openUrl(QUrl::fromLocalFile(file));
    });
    item(help, "CustomItem8", QStringLiteral("关于工程计算器(&A)"), [this] {
        auto *about = new TForm3(this);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->setWindowModality(Qt::ApplicationModal);
        about->show();
    });
}

QWidget *Tjsform::buildLibraryColumn()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    DCInfoTree1 = new QTreeView(PageControl1);
    DCInfoTree1->setObjectName(QStringLiteral("DCInfoTree1"));
    DCInfoTree1->setHeaderHidden(true);
    DCInfoTree1->setModel(m_treeModel);
    DCInfoTree1->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *remove = new QAction(QStringLiteral("删除"), DCInfoTree1);
    remove->setObjectName(QStringLiteral("CustomItem9"));
    connect(remove, &QAction::triggered, this, [this] { guard([this] { CustomItem9Click(); }); });
    DCInfoTree1->addAction(remove);
    connect(DCInfoTree1, &QTreeView::expanded, this, [this] { CalcTreeFollow = true; });
    connect(
        DCInfoTree1->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
            const int position = m_treeModel->positionOf(current);
            if (position >= 0 && position != m_formulas.recNo())
                guard([&] { m_formulas.moveTo(position); });
        });
    PageControl1->addTab(DCInfoTree1, QStringLiteral("目录"));

    auto *index = new QWidget(PageControl1);
    auto *indexLayout = new QVBoxLayout(index);
    indexLayout->addWidget(new QLabel(QStringLiteral("请键入要查找的关键词："), index));
    Edit1 = new QLineEdit(index);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    indexLayout->addWidget(Edit1);
    DBGrid1 = new QTableView(index);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(m_indexModel);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    indexLayout->addWidget(DBGrid1, 1);
    PageControl1->addTab(index, QStringLiteral("索引"));

    connect(Edit1, &QLineEdit::textChanged, this, [this](const QString &text) { keywordChanged(text); });
    connect(DBGrid1, &QTableView::clicked, this, [this](const QModelIndex &clicked) {
        guard([&] {
            m_following = false;
            m_formulas.moveTo(clicked.row());
            m_following = true;
            ShowFormula(false);
        });
    });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int tab) { guard([&] { tabChanged(tab); }); });
    return PageControl1;
}

QWidget *Tjsform::buildFormulaColumn()
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    Image2 = new QLabel(column);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setAlignment(Qt::AlignCenter);
    Image2->setToolTip(QStringLiteral("双击放大图形"));
    Image2->setMinimumHeight(200);
    Image2->setFrameShape(QFrame::StyledPanel);
    Image2->installEventFilter(this);
    setPicture(app::calculatorStartPicture());
    layout->addWidget(Image2, 5);

    auto *panel = new QGroupBox(QStringLiteral("请输入公式参数值："), column);
    auto *panelLayout = new QVBoxLayout(panel);
    TeThemeStringGrid1 = new ParameterGrid(m_ctx.messages(), m_ctx.desktop(), panel);
    panelLayout->addWidget(TeThemeStringGrid1);
    layout->addWidget(panel, 6);
    return column;
}

QWidget *Tjsform::buildResultColumn()
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    DBImage2 = new app::DbImage(column);
    DBImage2->setObjectName(QStringLiteral("DBImage2"));
    DBImage2->setToolTip(QStringLiteral("双击放大图形"));
    DBImage2->setAlignment(Qt::AlignCenter);
    DBImage2->setFrameShape(QFrame::StyledPanel);
    DBImage2->setMinimumHeight(130);
    DBImage2->setStretch(true);
    DBImage2->bind(m_source, QStringLiteral("图表说明"));
    DBImage2->installEventFilter(this);
    layout->addWidget(DBImage2, 3);

    auto *result = new QGroupBox(column);
    auto *resultLayout = new QGridLayout(result);
    TeThemeLabel1 = new QLabel(QStringLiteral("结果："), result);
    TeThemeLabel1->setObjectName(QStringLiteral("TeThemeLabel1"));
    TeThemeEdit1 = new QLineEdit(result);
    TeThemeEdit1->setObjectName(QStringLiteral("TeThemeEdit1"));
    TeThemeEdit1->setReadOnly(true);
    TeThemeEdit1->setAlignment(Qt::AlignRight);
    QPushButton *compute = namedButton(result, "TeThemeSpeedButton21", QStringLiteral("计算(&C)"));
    TeThemeSpeedButton17 = namedButton(result, "TeThemeSpeedButton17", QStringLiteral("保存(&S)"));
    TeThemeSpeedButton17->setEnabled(false);
    QPushButton *closeButton = namedButton(result, "TeThemeSpeedButton18", QStringLiteral("关闭"));
    resultLayout->addWidget(TeThemeLabel1, 0, 0, 1, 3);
    resultLayout->addWidget(TeThemeEdit1, 1, 0, 1, 3);
    resultLayout->addWidget(compute, 2, 0);
    resultLayout->addWidget(TeThemeSpeedButton17, 2, 1);
    resultLayout->addWidget(closeButton, 2, 2);
    connect(compute, &QPushButton::clicked, this, [this] { guard([this] { TeThemeSpeedButton21Click(); }); });
    connect(
        TeThemeSpeedButton17, &QPushButton::clicked, this, [this] { guard([this] { TeThemeSpeedButton17Click(); }); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(result);
    layout->addWidget(buildKeypad());
    return column;
}

QWidget *Tjsform::buildKeypad()
{
    auto *panel = new QGroupBox(this);
    panel->setObjectName(QStringLiteral("KeypadPanel"));
    auto *grid = new QGridLayout(panel);
    grid->setSpacing(2);
    TeThemeEdit2 = new QLineEdit(panel);
    TeThemeEdit2->setObjectName(QStringLiteral("TeThemeEdit2"));
    TeThemeEdit2->setAlignment(Qt::AlignRight);
    TeThemeEdit2->setToolTip(QStringLiteral("请输入计算数值"));
    TeThemeEdit2->installEventFilter(new TypingFilter(m_ctx.messages(), this));
    grid->addWidget(TeThemeEdit2, 0, 0, 1, 6);
    QFont keyFont = font();
    keyFont.setPixelSize(10); // "arcctan" whole in a key of the unscaled window
    int i = 0;
    for (const KeyDef &def : kKeys) {
        QPushButton *b = namedButton(panel, def.name, QString::fromUtf8(def.caption));
        b->setMinimumWidth(20);
        b->setFont(keyFont);
        b->setStyleSheet(QStringLiteral("padding: 2px 0px"));
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        const Keypad::Key key = def.key;
        connect(b, &QPushButton::clicked, this, [this, key] { pressKey(key); });
        grid->addWidget(b, 1 + i / 6, i % 6);
        ++i;
    }
    m_degrees = new QRadioButton(QStringLiteral("角度"), panel);
    m_degrees->setObjectName(QStringLiteral("RadioButton1"));
    m_degrees->setChecked(true);
    auto *radians = new QRadioButton(QStringLiteral("弧度"), panel);
    radians->setObjectName(QStringLiteral("RadioButton2"));
    grid->addWidget(m_degrees, 4, 0, 1, 3);
    grid->addWidget(radians, 4, 3, 1, 3);
    connect(m_degrees, &QRadioButton::toggled, this, [this] { applyAngleUnit(); });
    return panel;
}

void Tjsform::applyAngleUnit()
{
    m_module.evaluator().setAngleUnit(
        m_degrees->isChecked() ? formula::AngleUnit::Degrees : formula::AngleUnit::Radians);
}

void Tjsform::pressKey(Keypad::Key key)
{
    TeThemeEdit2->setText(m_keypad.press(key, TeThemeEdit2->text(), m_degrees->isChecked()));
    TeThemeEdit2->setFocus();
}

void Tjsform::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_formulas.isOpen())
        guard([this] { reloadFormulas(); });
}

void Tjsform::closeEvent(QCloseEvent *event)
{
    m_formulas.close();
    m_history.close();
    QMainWindow::closeEvent(event);
}

void Tjsform::reloadFormulas()
{
    m_following = false;
    m_formulas.close();
    m_formulas.open();
    m_formulas.setFiltered(PageControl1->currentIndex() == 1);
    m_treeModel->setCursor(&m_formulas);
    m_indexModel->setCursor(&m_formulas, { { "公式名", QStringLiteral("索引结果") } });
    m_following = true;
    m_formulas.first();
}

void Tjsform::tabChanged(int)
{
    reloadFormulas();
}

void Tjsform::keywordChanged(const QString &text)
{
    guard([&] {
        if (!m_formulas.isOpen())
            return;
        m_formulas.locate("公式名", text.trimmed().toStdString(), store::LocateMode::Prefix);
        if (m_formulas.recNo() >= 0)
            DBGrid1->selectRow(m_formulas.recNo());
    });
}

std::string Tjsform::UnscrambleFormula() const
{
    const store::Value &stored = m_formulas.value("Gongshi");
    if (stored.isNull())
        return {};
    return text::fromGbk(store::scrambleFormula(stored.rawBytes()));
}

void Tjsform::UnscramblePicture()
{
    const store::Value &stored = m_formulas.value("公式图");
    if (stored.isNull())
        return;
    std::string bmp = stored.rawBytes();
    store::scramblePicture(bmp);
    setPicture(QImage::fromData(reinterpret_cast<const uchar *>(bmp.data()), static_cast<int>(bmp.size())));
}

void Tjsform::setPicture(const QImage &picture)
{
    m_picture = picture;
    if (picture.isNull()) {
        Image2->setPixmap(QPixmap());
        return;
    }
    // A picture larger than the box is shown whole, scaled down; a double
    // click shows it at its natural size.
    QSize box = Image2->contentsRect().size();
    if (box.width() < 100 || box.height() < 100)
        box = QSize(316, 228);
    const bool fits = picture.width() <= box.width() && picture.height() <= box.height();
    Image2->setPixmap(
        QPixmap::fromImage(fits ? picture : picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void Tjsform::ShowFormula(bool forMove)
{
    TeThemeEdit1->clear();
    TeThemeLabel1->clear();
    if (forMove && !CalcTreeFollow)
        return;
    TeThemeStringGrid1->setCellText(1, 0, QString());
    for (int row = 1; row < ParameterGrid::kRows; ++row) {
        TeThemeStringGrid1->setCellText(0, row, QString());
        TeThemeStringGrid1->setCellText(1, row, QString());
    }
    if (!m_formulas.isOpen() || m_formulas.recNo() < 0)
        return;
    std::string formulaText;
    const store::Value &pid = m_formulas.value("PID");
    if (pid.isInteger() && pid.integer() == kUserCategory) {
        formulaText = m_formulas.text("Gongshi");
        const std::string &bytes = m_formulas.value("公式图").rawBytes();
        setPicture(QImage::fromData(reinterpret_cast<const uchar *>(bytes.data()), static_cast<int>(bytes.size())));
    } else {
        formulaText = UnscrambleFormula();
        UnscramblePicture();
    }
    if (formulaText.empty())
        return;
    const QString whole = QString::fromStdString(formulaText);
    const int equals = whole.indexOf(QLatin1Char('='));
    m_resultName = equals < 0 ? QString() : whole.left(equals + 1);
    const QString right = equals < 0 ? whole : whole.mid(equals + 1);
    TeThemeStringGrid1->setCellText(0, 0, QStringLiteral("计算公式") + m_resultName);
    TeThemeStringGrid1->setCellText(1, 0, right);
    TeThemeLabel1->setText(QStringLiteral("结果:") + m_resultName);

    formula::FormulaEvaluator &evaluator = m_module.evaluator();
    evaluator.Tokenize(right.toStdString());
    const std::vector<std::string> names = evaluator.variableNames();
    for (size_t i = 0; i < names.size() && i < static_cast<size_t>(kVariableRows); ++i)
        TeThemeStringGrid1->setCellText(0, static_cast<int>(i) + 1, QString::fromStdString(names[i]));
}

bool Tjsform::CheckValueRelations()
{
    const store::Value &flag = m_formulas.value("Flag");
    if (flag.isNull() || (flag.isInteger() && flag.integer() == 0))
        return true;
    const auto valueOf = [this](const std::string &name) {
        const QString wanted = QString::fromStdString(name);
        for (int row = 1; row < ParameterGrid::kRows; ++row) {
            if (TeThemeStringGrid1->cellText(0, row) != wanted)
                continue;
            double value = 0;
            if (!formula::TextToNumber(TeThemeStringGrid1->cellText(1, row).toStdString(), value))
                throw formula::ArithmeticError("relation value is no number");
            return value;
        }
        return 0.0;
    };
    if (RelationsHold(m_formulas.text("公式说明"), valueOf))
        return true;
    m_ctx.messages().inform(QStringLiteral("数值输入关系错误，请检查后重新输入！"), QString::fromUtf8(kCaption));
    return false;
}

void Tjsform::TeThemeSpeedButton21Click()
{
    TeThemeEdit1->clear();
    try {
        formula::FormulaEvaluator &evaluator = m_module.evaluator();
        applyAngleUnit();
        evaluator.Tokenize(TeThemeStringGrid1->cellText(1, 0).toStdString());
        if (!CheckValueRelations())
            return;
        if (!evaluator.BindVariables(*TeThemeStringGrid1))
            return;
        double value = 0;
        if (!evaluator.Evaluate(value))
            return;
        TeThemeEdit1->setText(QString::fromStdString(RoundedText(value, 1000)));
    } catch (const std::exception &) {
        TeThemeEdit1->clear();
        m_ctx.messages().inform(QString::fromUtf8(kOutOfRange), QString::fromUtf8(kCaption));
        return;
    }
    if (!TeThemeEdit1->text().isEmpty())
        TeThemeSpeedButton17->setEnabled(true);
}

void Tjsform::TeThemeSpeedButton17Click()
{
    if (TeThemeEdit1->text().isEmpty())
        return;
    if (!m_ctx.messages().confirm(QStringLiteral("您是否要保存到历史计算结果表？") + QString(24, QLatin1Char(' '))))
        return;
    int n = 0;
    for (int row = 0; row < ParameterGrid::kRows; ++row)
        if (!TeThemeStringGrid1->cellText(0, row).isEmpty())
            ++n;
    if (n <= 1) {
        m_ctx.messages().inform(QStringLiteral("没有参数！"), QString::fromUtf8(kCaption));
        m_history.close();
        return;
    }
    ResultBlock block;
    block.formulaName = m_formulas.text("公式名");
    block.rightSide = TeThemeStringGrid1->cellText(1, 0).toStdString();
    for (int row = 1; row < n; ++row)
        block.variables.emplace_back(
            TeThemeStringGrid1->cellText(0, row).toStdString(), TeThemeStringGrid1->cellText(1, row).toStdString());
    block.result = TeThemeEdit1->text().toStdString();
    block.date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    try {
        SaveResultBlock(m_history, block);
    } catch (...) {
        m_history.close();
        throw;
    }
    TeThemeEdit1->clear();
    TeThemeSpeedButton17->setEnabled(false);
}

void Tjsform::CustomItem12Click()
{
    if (!m_ctx.messages().confirm(QStringLiteral("您确定要清除历史计算结果表？")))
        return;
    ClearResults(m_history);
    m_ctx.messages().inform(QStringLiteral("清空完毕!"), QStringLiteral("提示"));
}

TFrmreport &Tjsform::report()
{
    if (auto *shared = qobject_cast<TFrmreport *>(m_ctx.windows.report.data()))
        return *shared;
    if (!m_ownReport)
        m_ownReport = new TFrmreport(m_ctx, this);
    return *m_ownReport;
}

void Tjsform::CustomItem5Click()
{
    report().preview(this);
}

void Tjsform::openFormulaEntry()
{
    m_formulas.close();
    auto *entry = new TfrmNr(m_ctx, m_formulas, this);
    entry->setWindowModality(Qt::ApplicationModal);
    connect(entry, &QDialog::finished, this, [this] { guard([this] { reloadFormulas(); }); });
    entry->show();
}

void Tjsform::CustomItem9Click()
{
    if (!m_formulas.isOpen() || m_formulas.recNo() < 0)
        return;
    const store::Value &pid = m_formulas.value("PID");
    if (!pid.isInteger() || pid.integer() != kUserCategory) {
        m_ctx.messages().inform(QStringLiteral("此公式不能被删除!"), QString::fromUtf8(kCaption));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct CursorRestore {
        ~CursorRestore() { QApplication::restoreOverrideCursor(); }
    } restore;
    const std::int64_t c = m_formulas.value("CID").integer();
    if (!m_ctx.messages().confirm(QStringLiteral("您真的要删除该记录吗？")))
        return;
    m_following = false;
    m_formulas.remove();
    const store::Value &now = m_formulas.value("CID");
    if (now.isInteger() && now.integer() == kUserCategory) {
        m_ctx.messages().inform(QStringLiteral("已无用户自定义公式！"), QString::fromUtf8(kCaption));
    } else if (now.isInteger() && now.integer() > c - 1) {
        // Only user formulas are renumbered: library records keep their
        // numbers, which their children refer to.
        std::int64_t cid = c;
        for (int position = m_formulas.recNo(); position >= 0 && position < m_formulas.recordCount(); ++position) {
            m_formulas.moveTo(position);
            const store::Value &parent = m_formulas.value("PID");
            if (!parent.isInteger() || parent.integer() != kUserCategory)
                continue;
            m_formulas.edit();
            m_formulas.setValue("CID", store::Value(cid++));
            m_formulas.post();
        }
    }
    reloadFormulas();
}

void Tjsform::zoom(const QString &caption, const QImage &picture)
{
    auto *window = qobject_cast<TFrmZoom2 *>(m_ctx.windows.zoom.data());
    if (!window) {
        window = findChild<TFrmZoom2 *>();
        if (!window)
            window = new TFrmZoom2(this);
    }
    window->showPicture(caption, QSize(picture.width() + 9, picture.height() + 23), picture);
}

bool Tjsform::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == Image2 && !m_picture.isNull()) {
            zoom(QStringLiteral("公式说明放大图"), m_picture);
            return true;
        }
        if (watched == DBImage2 && !DBImage2->pixmap().isNull()) {
            zoom(QStringLiteral("图形说明放大"), DBImage2->pixmap().toImage());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace holvane::calculator
