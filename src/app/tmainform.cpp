#include "app/tmainform.h"

#include "app/appcontext.h"
#include "app/calculatorkeys.h"
#include "app/contentfetch.h"
#include "app/coverframe.h"
#include "app/data/datasource.h"
#include "app/data/dbmemo.h"
#include "app/data/tablemodel.h"
#include "app/data/treemodel.h"
#include "app/desktopservice.h"
#include "app/errorguard.h"
#include "app/fontsetup.h"
#include "app/history.h"
#include "app/messageservice.h"
#include "app/pagecode.h"
#include "app/picturesurface.h"
#include "app/pageframe.h"
#include "app/panelayout.h"
#include "app/pictures.h"
#include "app/placeholderwindow.h"
#include "app/screenscaling.h"
#include "app/startup.h"
#include "app/taboutbox.h"
#include "app/webbrowser.h"
#include "app/treeimagedelegate.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <chrono>
#include <thread>

namespace holvane::app {

namespace fs = std::filesystem;

namespace {

// The window's size as laid out for a 1024 x 768 screen, before maximising.
constexpr QSize kDesignSize(1024, 738);
constexpr int kNavigatorWidth = 229;
constexpr int kTitleBarHeight = 40;

const char *const kCalculatorFailed = "应用程序有误，请重新启动程序";
const char *const kPictureHint = "双击放大图形";
// The catalogue's nodes that have a page, for the index and the search.
const char *const kPagesStatement = "select * from vtree where cframe is not null and cframe <> ''";
// The handbook's page on the web ("手册在线").
const char *const kHandbookAddress = "https://www.holvane.example.org/handbook/";

QWidget *namedPanel(const char *name, QWidget *parent)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    return panel;
}

QWidget *filledPage(const char *name, QWidget *content)
{
    auto *page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    return page;
}

void fillWith(QWidget *host, QWidget *child)
{
    if (!host->layout()) {
        auto *layout = new QVBoxLayout(host);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    host->layout()->addWidget(child);
}

std::string recordText(const store::Cursor &cursor, const char *field)
{
    return cursor.value(field).isNull() ? std::string() : cursor.text(field);
}

} // namespace

TMainForm::TMainForm(AppContext &context, QWidget *parent) : QMainWindow(parent), m_ctx(context)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromUtf8(kProgramTitle));
    setFont(songtiFont(16));
    m_ctx.windows.mainForm = this;
    buildLayout();
    resize(kDesignSize);
    FormCreate();
}

TMainForm::~TMainForm()
{
    closeCalculator();
    delete m_tableFrame.data();
    delete m_cardFrame.data();
    delete m_curveFrame.data();
    delete m_dsTree;
    m_dsTree = nullptr;
    delete m_dsIndex;
    m_dsIndex = nullptr;
    delete m_dsSearch;
    m_dsSearch = nullptr;
}

void TMainForm::guard(const std::function<void()> &work)
{
    guarded(m_ctx.messages(), work);
}

// ---- layout -------------------------------------------------------------

QToolButton *TMainForm::addToolButton(const char *name, const QString &caption, const QString &hint, int icon)
{
    const QIcon own = toolbarIcon(QString::fromLatin1(name));
    auto *action = new QAction(own.isNull() ? style()->standardIcon(static_cast<QStyle::StandardPixmap>(icon)) : own,
                               caption, this);
    action->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
    action->setToolTip(hint.isEmpty() ? caption : hint);
    auto *button = new QToolButton(ToolBar1);
    button->setObjectName(QString::fromLatin1(name));
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setMinimumSize(67, 38);
    button->setFont(songtiFont(15));
    ToolBar1->addWidget(button);
    return button;
}

void TMainForm::buildToolBar()
{
    CoolBar1 = namedPanel("CoolBar1", this);
    auto *bands = new QVBoxLayout(CoolBar1);
    bands->setContentsMargins(2, 2, 2, 2);
    bands->setSpacing(2);
    ToolBar1 = new QToolBar(CoolBar1);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setIconSize(QSize(20, 20));
    ToolBar1->setFont(songtiFont(15));
    bands->addWidget(ToolBar1);

    const auto wire = [this](QToolButton *button, void (TMainForm::*handler)()) {
        connect(button->defaultAction(), &QAction::triggered, this, [this, handler] { guard([&] { (this->*handler)(); }); });
    };
    wire(addToolButton("BackBtn", QStringLiteral("下一页"), {}, QStyle::SP_ArrowForward), &TMainForm::BackBtnClick);
    wire(addToolButton("ForwardBtn", QStringLiteral("上一页"), {}, QStyle::SP_ArrowBack), &TMainForm::ForwardBtnClick);
    ToolBar1->addSeparator();
    wire(addToolButton("ToolButton2", QStringLiteral("放大"), {}, QStyle::SP_TitleBarMaxButton),
         &TMainForm::ToolButton2Click);
    wire(addToolButton("ToolButton7", QStringLiteral("还原"), {}, QStyle::SP_TitleBarNormalButton),
         &TMainForm::ToolButton7Click);
    wire(addToolButton("ToolButton3", QStringLiteral("缩小"), {}, QStyle::SP_TitleBarMinButton),
         &TMainForm::ToolButton3Click);
    ToolBar1->addSeparator();
    TB_hide_ml = addToolButton("TB_hide_ml", QStringLiteral("隐藏目录"), QStringLiteral("展开目录"),
                               QStyle::SP_DirClosedIcon);
    connect(TB_hide_ml->defaultAction(), &QAction::triggered, this, [this] { TB_hide_mlClick(); });
    QToolButton *hideBtn = addToolButton("hideBtn", QStringLiteral("隐藏文字"), QStringLiteral("显示文字"),
                                         QStyle::SP_FileDialogDetailedView);
    connect(hideBtn->defaultAction(), &QAction::triggered, this, [this] {
        const bool captions = ToolBar1->findChild<QToolButton *>(QStringLiteral("BackBtn"))->toolButtonStyle() ==
                              Qt::ToolButtonTextUnderIcon;
        for (QToolButton *b : ToolBar1->findChildren<QToolButton *>())
            if (b->defaultAction())
                b->setToolButtonStyle(captions ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
    });
    ToolBar1->addSeparator();
    addToolButton("ToolButton5", QStringLiteral("结果查询"), QStringLiteral("查询结果"),
                  QStyle::SP_FileDialogContentsView);
    addToolButton("ToolButton8", QStringLiteral("数据查询"), {}, QStyle::SP_FileDialogInfoView)->setEnabled(false);
    addToolButton("ToolButton13", QStringLiteral("数据搜索"), {}, QStyle::SP_FileDialogListView)->setEnabled(false);
    ToolBar1->addSeparator();
    QToolButton *tutorial = addToolButton("ToolButton12", QStringLiteral("教程"), {}, QStyle::SP_DialogHelpButton);
    connect(tutorial->defaultAction(), &QAction::triggered, this, [this] {
        const fs::path help = m_ctx.appDir() / "help" / fs::u8path("帮助文档.html");
        m_ctx.desktop().openUrl(QUrl::fromLocalFile(QString::fromStdString(help.u8string())));
    });
    QToolButton *online = addToolButton("ToolButton10", QStringLiteral("手册在线"), {}, QStyle::SP_DriveNetIcon);
    connect(online->defaultAction(), &QAction::triggered, this,
            [this] { OpenAddress(QString::fromUtf8(kHandbookAddress)); });
    QToolButton *back = addToolButton("ToolButton14", QStringLiteral("返回计算"), {}, QStyle::SP_BrowserReload);
    back->defaultAction()->setEnabled(false);
    connect(back->defaultAction(), &QAction::triggered, this, [this] { ToolButton14Click(); });

    auto *addressBand = new QHBoxLayout;
    addressBand->setContentsMargins(4, 0, 4, 0);
    auto *addressLabel = new QLabel(QStringLiteral("地址"), CoolBar1);
    addressBand->addWidget(addressLabel);
    URLs = new QComboBox(CoolBar1);
    URLs->setObjectName(QStringLiteral("URLs"));
    URLs->setEditable(true);
    // The list is kept by OpenAddress, most recent first; Enter only opens.
    URLs->setInsertPolicy(QComboBox::NoInsert);
    connect(URLs->lineEdit(), &QLineEdit::returnPressed, this, [this] { OpenAddress(URLs->currentText()); });
    URLs->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    addressBand->addWidget(URLs);
    bands->addLayout(addressBand);
}

void TMainForm::buildNavigator(QSplitter *splitter)
{
    PageControl = new QTabWidget(splitter);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setMinimumWidth(120);

    m_tree = new QTreeView;
    m_tree->setObjectName(QStringLiteral("m_tree"));
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setExpandsOnDoubleClick(false);
    // The view's own scrolling to a new current node would expand its
    // ancestors before the node is opened; the selection handler does it.
    m_tree->setAutoScroll(false);
    m_tree->setAllColumnsShowFocus(true);
    m_tree->setWordWrap(true);
    m_tree->setFont(songtiFont(16));
    m_tree->setIconSize(QSize(16, 16));
    m_tree->setItemDelegate(new TreeImageDelegate(m_tree));
    auto *catalogue = filledPage("TabSheet1", m_tree);
    PageControl->addTab(catalogue, QStringLiteral("目录"));

    const auto searchTab = [](const char *tabName, const char *editName, const char *gridName, const QString &title) {
        auto *tab = new QWidget;
        tab->setObjectName(QString::fromLatin1(tabName));
        auto *layout = new QVBoxLayout(tab);
        layout->setContentsMargins(4, 6, 4, 0);
        layout->setSpacing(0);
        layout->addWidget(new QLabel(QStringLiteral("请键入要查找的关键词："), tab));
        layout->addSpacing(4);
        auto *edit = new QLineEdit(tab);
        edit->setObjectName(QString::fromLatin1(editName));
        layout->addWidget(edit);
        // The grid sits 10 pixels below the edit and reaches the tab's bottom.
        layout->addSpacing(10);
        auto *grid = new QTableView(tab);
        grid->setObjectName(QString::fromLatin1(gridName));
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setSelectionBehavior(QAbstractItemView::SelectRows);
        grid->setSelectionMode(QAbstractItemView::SingleSelection);
        grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
        grid->verticalHeader()->hide();
        grid->horizontalHeader()->setStretchLastSection(true);
        grid->setToolTip(title);
        grid->setAccessibleName(title);
        layout->addWidget(grid, 1);
        return tab;
    };
    PageControl->addTab(searchTab("Ts_index", "s_Index", "DBGrid2", QStringLiteral("索引结果：")),
                        QStringLiteral("索引"));
    PageControl->addTab(searchTab("Ts_search", "E_search", "DBGrid3", QStringLiteral("查找结果：")),
                        QStringLiteral("查找"));
    s_Index = PageControl->findChild<QLineEdit *>(QStringLiteral("s_Index"));
    E_search = PageControl->findChild<QLineEdit *>(QStringLiteral("E_search"));
    DBGrid2 = PageControl->findChild<QTableView *>(QStringLiteral("DBGrid2"));
    DBGrid3 = PageControl->findChild<QTableView *>(QStringLiteral("DBGrid3"));
    splitter->addWidget(PageControl);
}

void TMainForm::buildContent(QSplitter *splitter)
{
    Panel1 = namedPanel("Panel1", splitter);
    auto *panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    Splitter2 = new QSplitter(Qt::Vertical, Panel1);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter2->setChildrenCollapsible(false);
    panelLayout->addWidget(Splitter2);

    Pan_M = namedPanel("Pan_M", Splitter2);
    auto *mLayout = new QVBoxLayout(Pan_M);
    mLayout->setContentsMargins(0, 0, 0, 0);
    mLayout->setSpacing(0);
    P_title = namedPanel("P_title", Pan_M);
    P_title->setFixedHeight(kTitleBarHeight);
    P_title->setAutoFillBackground(true);
    QPalette titlePalette = P_title->palette();
    titlePalette.setColor(QPalette::Window, QColor(28, 70, 130));
    titlePalette.setColor(QPalette::WindowText, Qt::white);
    P_title->setPalette(titlePalette);
    auto *titleLayout = new QHBoxLayout(P_title);
    titleLayout->setContentsMargins(12, 0, 12, 0);
    Lbl_title = new QLabel(P_title);
    Lbl_title->setObjectName(QStringLiteral("Lbl_title"));
    QFont titleFont = songtiFont(20);
    titleFont.setBold(true);
    Lbl_title->setFont(titleFont);
    titleLayout->addWidget(Lbl_title);
    mLayout->addWidget(P_title);

    Notebook1 = new QStackedWidget(Pan_M);
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    mLayout->addWidget(Notebook1, 1);

    Notebook1->addWidget(filledPage("Cover", new CoverFrame));
    Pan_DBCtrl = namedPanel("Pan_DBCtrl", nullptr);
    Notebook1->addWidget(filledPage("tbl_dbctrl", Pan_DBCtrl));
    Fram_curve1 = namedPanel("Cuver_host", nullptr);
    Notebook1->addWidget(filledPage("Cuver_show", Fram_curve1));
    Pan_tbl = namedPanel("Pan_tbl", nullptr);
    Notebook1->addWidget(filledPage("Pic_Dbgrid", Pan_tbl));
    WebBrowser1 = new WebBrowser;
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setBeforeNavigate([this](const QString &address) { WebBrowser1BeforeNavigate2(address); });
    WebBrowser1->setOpenWeb([this](const QUrl &address) { m_ctx.desktop().openUrl(address); });
    Notebook1->addWidget(filledPage("Txt_show", WebBrowser1));

    Panel2 = namedPanel("Panel2", nullptr);
    Panel2->setAutoFillBackground(true);
    QPalette white = Panel2->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel2->setPalette(white);
    Img_show = new QLabel(Panel2);
    Img_show->setObjectName(QStringLiteral("Img_show"));
    Img_show->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4 = new QLabel(Panel2);
    Label4->setObjectName(QStringLiteral("Label4"));
    m_page = new PictureSurface(Panel2, Img_show, Label4, QString(), this);
    Notebook1->addWidget(filledPage("Pic_show", Panel2));

    PPrg = namedPanel("PPrg", nullptr);
    auto *prgLayout = new QVBoxLayout(PPrg);
    prgLayout->setContentsMargins(0, 0, 0, 0);
    Notebook1->addWidget(filledPage("showprg", PPrg));

    Splitter3 = new QSplitter(Qt::Horizontal, Splitter2);
    Splitter3->setObjectName(QStringLiteral("Splitter3"));
    Splitter3->setChildrenCollapsible(false);
    Pan_fz = namedPanel("Pan_fz", Splitter3);
    DBMemo1 = new DbMemo(Pan_fz);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    fillWith(Pan_fz, DBMemo1);
    Pan_pic = namedPanel("Pan_pic", Splitter3);
    Image1 = new QLabel(Pan_pic);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Label3 = new QLabel(Pan_pic);
    Label3->setObjectName(QStringLiteral("Label3"));
    m_pane = new PictureSurface(Pan_pic, Image1, Label3, QString::fromUtf8(kPictureHint), this);
    m_pane->setFillsPanel(true);
    m_pane->setAutoSize(false);
    m_pane->setOnDoubleClick([this] { Label3DblClick(); });
    Splitter3->addWidget(Pan_fz);
    Splitter3->addWidget(Pan_pic);
    Splitter2->addWidget(Pan_M);
    Splitter2->addWidget(Splitter3);
    Splitter2->setStretchFactor(0, 0);
    Splitter2->setStretchFactor(1, 1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto popupItem = [this](const char *name, const QString &caption, void (TMainForm::*handler)()) {
        QAction *item = PopupMenu1->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this, handler);
    };
    popupItem("N1", QStringLiteral("放大"), &TMainForm::ToolButton2Click);
    popupItem("N2", QStringLiteral("缩小"), &TMainForm::ToolButton3Click);
    PopupMenu1->addSeparator();
    popupItem("N4", QStringLiteral("还原"), &TMainForm::ToolButton7Click);
    Image1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Image1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMenu1->popup(Image1->mapToGlobal(pos)); });
    for (QLabel *label : {Label3, Label4}) {
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label, &QWidget::customContextMenuRequested, this,
                [this, label](const QPoint &pos) { PopupMenu1->popup(label->mapToGlobal(pos)); });
    }
    splitter->addWidget(Panel1);
}

void TMainForm::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu *file = bar->addMenu(QStringLiteral("文件"));
    QMenu *design = file->addMenu(QStringLiteral("机床夹具设计"));
    const auto calculatorMenu = [this](QMenu *menu, const std::vector<const char *> &windows) {
        for (const char *window : windows) {
            const CalculatorKey *row = calculatorByWindow(window);
            QAction *item = menu->addAction(QString::fromUtf8(row->menuCaption));
            item->setObjectName(QStringLiteral("menu_") + QString::fromLatin1(window));
            connect(item, &QAction::triggered, this, [this, window] { openCalculatorFromMenu(window); });
        }
    };
    calculatorMenu(design->addMenu(QStringLiteral("典型定位装置设计")), locatingCalculatorMenu());
    calculatorMenu(design->addMenu(QStringLiteral("典型夹紧装置设计")), clampingCalculatorMenu());
    N18 = file->addAction(QStringLiteral("返回计算"));
    N18->setObjectName(QStringLiteral("N18"));
    N18->setEnabled(false);
    connect(N18, &QAction::triggered, this, [this] { ToolButton14Click(); });
    file->addSeparator();
    QAction *quit = file->addAction(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("N_exit"));
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu *view = bar->addMenu(QStringLiteral("视图"));
    const auto toggle = [this, view](const char *name, const QString &caption, QWidget *target) {
        QAction *item = view->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        item->setCheckable(true);
        item->setChecked(true);
        connect(item, &QAction::toggled, target, &QWidget::setVisible);
    };
    toggle("N_toolbar", QStringLiteral("工具栏"), CoolBar1);
    toggle("N_statusbar", QStringLiteral("状态栏"), StatusBar1);
    toggle("N_navigator", QStringLiteral("导航器"), PageControl);
    view->addSeparator();
    for (const char *name : {"ToolButton2", "ToolButton7", "ToolButton3"})
        view->addAction(findChild<QToolButton *>(QString::fromLatin1(name))->defaultAction());

    QAction *calculator = bar->addAction(QStringLiteral("工程计算器"));
    calculator->setObjectName(QStringLiteral("N_jsq"));
    connect(calculator, &QAction::triggered, this, [this] { guard([this] { openEngineeringCalculator(); }); });

    QMenu *help = bar->addMenu(QStringLiteral("帮助"));
    help->addAction(findChild<QToolButton *>(QStringLiteral("ToolButton12"))->defaultAction());
    QAction *about = help->addAction(QStringLiteral("版本说明"));
    about->setObjectName(QStringLiteral("N_about"));
    connect(about, &QAction::triggered, this, [this] { N_aboutClick(); });
}

void TMainForm::buildEditShortcuts()
{
    const auto shortcut = [this](const char *command, const QKeySequence &keys) {
        auto *action = new QAction(this);
        action->setObjectName(QStringLiteral("Edit_") + QString::fromLatin1(command));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, command] { editCommand(command); });
        addAction(action);
    };
    shortcut("copy", QKeySequence(Qt::CTRL | Qt::Key_C));
    shortcut("paste", QKeySequence(Qt::CTRL | Qt::Key_V));
    shortcut("cut", QKeySequence(Qt::CTRL | Qt::Key_X));
    shortcut("selectAll", QKeySequence(Qt::CTRL | Qt::Key_S));
}

void TMainForm::editCommand(const char *command)
{
    QWidget *focus = QApplication::focusWidget();
    if (auto *combo = qobject_cast<QComboBox *>(focus))
        focus = combo->lineEdit();
    if (focus)
        QMetaObject::invokeMethod(focus, command);
}

void TMainForm::buildTreeFontMenu()
{
    PM_Tree = new QMenu(this);
    PM_Tree->setObjectName(QStringLiteral("PM_Tree"));
    QMenu *size = PM_Tree->addMenu(QStringLiteral("字体大小"));
    for (const auto &[caption, points] : {std::pair{"大", 18}, std::pair{"中", 12}, std::pair{"小", 8}}) {
        const int pt = points;
        connect(size->addAction(QString::fromUtf8(caption)), &QAction::triggered, this, [this, pt] {
            QFont font = m_tree->font();
            font.setPointSize(pt);
            m_tree->setFont(font);
        });
    }
    QMenu *colour = PM_Tree->addMenu(QStringLiteral("字体颜色"));
    for (const auto &[caption, c] : {std::pair{"黑", Qt::black}, std::pair{"红", Qt::red}, std::pair{"蓝", Qt::blue}}) {
        const QColor tint(c);
        connect(colour->addAction(QString::fromUtf8(caption)), &QAction::triggered, this, [this, tint] {
            QPalette pal = m_tree->palette();
            pal.setColor(QPalette::Text, tint);
            m_tree->setPalette(pal);
        });
    }
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tree, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { PM_Tree->popup(m_tree->viewport()->mapToGlobal(pos)); });
}

void TMainForm::buildLayout()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("MainClient"));
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();
    layout->addWidget(CoolBar1);
    Splitter1 = new QSplitter(Qt::Horizontal, central);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    buildNavigator(Splitter1);
    buildContent(Splitter1);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({kNavigatorWidth, kDesignSize.width() - kNavigatorWidth});
    layout->addWidget(Splitter1, 1);
    setCentralWidget(central);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    m_statusPanel = new QLabel(StatusBar1);
    m_statusPanel->setObjectName(QStringLiteral("StatusPanel"));
    m_statusPanel->setMinimumWidth(50);
    StatusBar1->addWidget(m_statusPanel, 1);
    setStatusBar(StatusBar1);

    buildMenu();
    buildEditShortcuts();
    buildTreeFontMenu();

    m_dsTree = new DataSource;
    m_dsTree->setObjectName(QStringLiteral("ds_TTree"));
    // The memo follows the record before the page opens, so ShowPage sees
    // the node's memo when it lays out the panes.
    DBMemo1->bind(m_dsTree, QStringLiteral("CMemo"));
    m_dsTree->addListener([this] { T_TreeAfterScroll(); });
    m_dsTree->addListener([this] { followTreeToRecord(); });

    m_treeModel = new TreeModel("CID", "ParentID", "CName", this);
    m_tree->setModel(m_treeModel);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (!current.isValid())
                    return;
                if (!m_syncingTree)
                    guard([&] { m_tree_table.moveTo(m_treeModel->positionOf(current)); });
                // Showing the node opens its ancestors; they are not selected
                // on the way. The selected node expands by itself.
                const bool quiet = std::exchange(m_quietExpand, true);
                m_tree->scrollTo(current);
                m_tree->expand(current);
                m_quietExpand = quiet;
            });
    connect(m_tree, &QTreeView::expanded, this, [this](const QModelIndex &index) {
        // The expanded node becomes the selected one, which opens its page.
        TreeFollow = true;
        if (m_quietExpand || m_tree->currentIndex() == index)
            return;
        m_tree->setCurrentIndex(index);
    });
    connect(m_tree, &QTreeView::doubleClicked, this, [this] { m_treeDblClick(); });
    wireNavigator();
}

// ---- form events --------------------------------------------------------

void TMainForm::FormCreate()
{
    ScreenScaling(*this);
    guard([this] {
        registerAliases(m_ctx.aliases(), m_ctx.appDir());
        m_tree_table.setAlias(m_ctx.aliases(), "jMYDB", "VTree.DB");
        m_history.setAlias(m_ctx.aliases(), "jMydb", "History.DB");
        m_history.setExclusive(true);
    });
    m_workBitmap = QImage();
    m_zoomBitmap = QImage();
    if (m_ctx.splashWaitMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(m_ctx.splashWaitMs));
    guard([this] { emptyHistory(m_ctx.aliases()); });
}

void TMainForm::FormShow()
{
    FrameGuard = true;
    guard([this] {
        m_tree_table.open();
        m_tree_table.first();
        m_dsTree->setCursor(&m_tree_table);
        m_treeModel->setCursor(&m_tree_table);
    });
    // A catalogue that did not open has been reported once already.
    guard([this] {
        if (!m_tree_table.isOpen())
            return;
        const fs::path catalogue = m_ctx.aliases().directory("jMydb");
        m_indexQuery.setDirectory(catalogue, {"VTree"});
        m_indexQuery.setSql(kPagesStatement);
        m_indexQuery.openOrderedBy("CName");
        m_searchQuery.setDirectory(catalogue, {"VTree"});
        m_indexModel->reload();
    });
    restorePicturePane();
    TreeFollow = true;
    guard([this] { ShowPage(pagecode::Cover); });
}

void TMainForm::FormClose()
{
    if (m_calculator && (CalcState >= 12 && CalcState <= 15))
        closeCalculator();
    m_workBitmap = QImage();
    m_zoomBitmap = QImage();
    m_dsTree->setCursor(nullptr);
    m_treeModel->setCursor(nullptr);
    m_tree_table.close();
    m_indexQuery.close();
    m_searchQuery.close();
    m_indexModel->reload();
    m_searchModel->reload();
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    FormShow();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
    QApplication::quit();
}

// ---- catalogue ----------------------------------------------------------

void TMainForm::T_TreeAfterScroll()
{
    if (TreeFollow && m_tree_table.isOpen() && m_tree_table.recNo() >= 0) {
        PageContext &page = m_ctx.page;
        page.ContentKey.clear();
        page.PictureKey.clear();
        page.ContentKey = QString::fromStdString(recordText(m_tree_table, "Ctable"));
        page.PictureKey = QString::fromStdString(recordText(m_tree_table, "Cimage"));
        const store::Value &order = m_tree_table.value("COrder");
        page.NodeOrder = order.isInteger() ? static_cast<int>(order.integer()) : 0;
        const std::string frame = recordText(m_tree_table, "CFrame");
        if (frame.empty()) {
            ShowPage(pagecode::Cover);
        } else {
            const int code = pageCodeFromText(frame);
            page.Title = QString::fromStdString(recordText(m_tree_table, "CName"));
            ShowPage(code);
            AddHistory(m_history, m_tree_table);
        }
    }
    restorePicturePane();
}

void TMainForm::followTreeToRecord()
{
    if (!m_tree_table.isOpen() || m_treeModel->rowCount() == 0)
        return;
    const QModelIndex node = m_treeModel->indexOfPosition(m_tree_table.recNo());
    if (!node.isValid() || node == m_tree->currentIndex())
        return;
    m_syncingTree = true;
    m_tree->setCurrentIndex(node);
    m_syncingTree = false;
}

void TMainForm::m_treeDblClick()
{
    guard([this] { T_TreeAfterScroll(); });
}

void TMainForm::TB_hide_mlClick()
{
    const QModelIndex node = m_tree->currentIndex();
    if (!node.isValid())
        return;
    QAction *action = TB_hide_ml->defaultAction();
    if (action->text() == QStringLiteral("隐藏目录")) {
        std::function<void(const QModelIndex &)> collapse = [&](const QModelIndex &index) {
            for (int row = 0; row < m_treeModel->rowCount(index); ++row)
                collapse(m_treeModel->index(row, 0, index));
            m_tree->collapse(index);
        };
        collapse(node);
        action->setText(QStringLiteral("展开目录"));
    } else {
        m_quietExpand = true;
        m_tree->expandRecursively(node);
        m_quietExpand = false;
        action->setText(QStringLiteral("隐藏目录"));
    }
}

// ---- navigation history and address box ---------------------------------

void TMainForm::BackBtnClick()
{
    if (!m_history.isOpen())
        m_history.open();
    m_history.next();
    if (m_history.eof())
        return;
    showHistoryRecord();
}

void TMainForm::ForwardBtnClick()
{
    if (!m_history.isOpen()) {
        m_history.open();
        m_history.last();
    }
    m_history.prior();
    if (m_history.bof())
        return;
    showHistoryRecord();
}

void TMainForm::showHistoryRecord()
{
    // The memo pane shows the memo of the page stepped to, not the
    // catalogue's current record.
    DBMemo1->setPlainText(QString::fromStdString(recordText(m_history, "CMemo")));
    openRecordPage(m_history);
}

void TMainForm::openRecordPage(const store::Cursor &record)
{
    PageContext &page = m_ctx.page;
    page.ContentKey = QString::fromStdString(recordText(record, "Ctable"));
    page.PictureKey = QString::fromStdString(recordText(record, "Cimage"));
    // A table page's value pick reads the key columns of its own node.
    const store::Value &order = record.value("COrder");
    page.NodeOrder = order.isInteger() ? static_cast<int>(order.integer()) : 0;
    const std::string frame = recordText(record, "CFrame");
    if (frame.empty()) {
        ShowPage(pagecode::Cover);
        return;
    }
    page.Title = QString::fromStdString(recordText(record, "CName"));
    ShowPage(pageCodeFromText(frame));
}

void TMainForm::OpenAddress(const QString &text)
{
    hideLowerPanes();
    Pan_M->show();
    NavFromAddressBox = true;
    showNotebookPage("Txt_show");
    WebBrowser1->setSource(addressFromText(text));
}

void TMainForm::WebBrowser1BeforeNavigate2(const QString &address)
{
    if (NavFromAddressBox) {
        NavFromAddressBox = false;
        const int listed = URLs->findText(address, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (listed >= 0)
            URLs->removeItem(listed);
        URLs->insertItem(0, address);
    }
    URLs->setEditText(address);
    m_statusPanel->setText(address);
}

// ---- index and keyword search --------------------------------------------

void TMainForm::wireNavigator()
{
    m_dsIndex = new DataSource;
    m_dsIndex->setObjectName(QStringLiteral("ds_qtree"));
    m_dsIndex->setCursor(&m_indexQuery);
    m_dsSearch = new DataSource;
    m_dsSearch->setObjectName(QStringLiteral("ds_QFtree"));
    m_dsSearch->setCursor(&m_searchQuery);
    m_indexModel = new TableModel(this);
    m_indexModel->setCursor(&m_indexQuery, {{"CName", QStringLiteral("索引结果：")}});
    DBGrid2->setModel(m_indexModel);
    m_searchModel = new TableModel(this);
    m_searchModel->setCursor(&m_searchQuery, {{"CName", QStringLiteral("查找结果：")}});
    DBGrid3->setModel(m_searchModel);
    m_dsIndex->addListener([this] { followCursorInGrid(DBGrid2, m_indexQuery); });
    m_dsSearch->addListener([this] { followCursorInGrid(DBGrid3, m_searchQuery); });

    connect(s_Index, &QLineEdit::textChanged, this, [this] { guard([this] { s_IndexChange(); }); });
    connect(E_search, &QLineEdit::textChanged, this, [this] { guard([this] { E_searchChange(); }); });
    const auto rowClick = [this](QTableView *grid, store::Cursor &cursor, void (TMainForm::*handler)()) {
        connect(grid, &QAbstractItemView::clicked, this, [this, &cursor, handler](const QModelIndex &row) {
            guard([&] {
                cursor.moveTo(row.row());
                (this->*handler)();
            });
        });
    };
    rowClick(DBGrid2, m_indexQuery, &TMainForm::DBGrid2CellClick);
    rowClick(DBGrid3, m_searchQuery, &TMainForm::DBGrid3CellClick);
    connect(PageControl, &QTabWidget::currentChanged, this, [this] { PageControlChange(); });
}

void TMainForm::followCursorInGrid(QTableView *grid, const store::Cursor &cursor)
{
    if (!cursor.isOpen() || cursor.recNo() < 0) {
        grid->clearSelection();
        return;
    }
    const QModelIndex row = grid->model()->index(cursor.recNo(), 0);
    if (row.isValid() && row != grid->currentIndex()) {
        grid->setCurrentIndex(row);
        grid->scrollTo(row);
    }
}

void TMainForm::s_IndexChange()
{
    if (!m_indexQuery.isOpen())
        return;
    m_indexQuery.locate("CName", s_Index->text().trimmed().toStdString(), store::LocateMode::Prefix);
}

void TMainForm::E_searchChange()
{
    if (!m_searchQuery.isOpen()) {
        m_searchQuery.setSql(kPagesStatement);
        m_searchQuery.open();
    }
    // The keyword never reaches the statement: it is looked for, literally
    // and case-sensitively, in the names read once, so a quote, "%" or "_"
    // is just a character and a keystroke costs no query.
    const std::string keyword = E_search->text().trimmed().toStdString();
    const int name = m_searchQuery.fieldIndex("CName");
    m_searchQuery.setFilter([keyword, name](const store::RecordView &record) {
        const store::Value &value = record.value(name);
        return value.isText() && value.text().find(keyword) != std::string::npos;
    });
    m_searchQuery.setFiltered(true);
    m_searchModel->reload();
    followCursorInGrid(DBGrid3, m_searchQuery);
}

void TMainForm::DBGrid2CellClick()
{
    openListedRecord(m_indexQuery);
}

void TMainForm::DBGrid3CellClick()
{
    openListedRecord(m_searchQuery);
}

void TMainForm::openListedRecord(store::Cursor &record)
{
    if (!record.isOpen() || record.recNo() < 0)
        return;
    openRecordPage(record);
    if (!recordText(record, "CFrame").empty())
        AddHistory(m_history, record);
}

void TMainForm::PageControlChange()
{
    DataSource *sources[] = {m_dsTree, m_dsIndex, m_dsSearch};
    const int tab = PageControl->currentIndex();
    if (tab >= 0 && tab < 3)
        DBMemo1->bind(sources[tab], QStringLiteral("CMemo"));
}

// ---- small windows --------------------------------------------------------

void TMainForm::N_aboutClick()
{
    TAboutBox box(aboutPicture(), [this](const QString &address) { OpenAddress(address); }, this);
    box.exec();
}

// ---- pages --------------------------------------------------------------

QString TMainForm::currentPageName() const
{
    return Notebook1->currentWidget()->objectName();
}

void TMainForm::showNotebookPage(const char *name)
{
    Notebook1->setCurrentWidget(Notebook1->findChild<QWidget *>(QString::fromLatin1(name)));
}

void TMainForm::hideLowerPanes()
{
    Pan_fz->hide();
    Pan_pic->hide();
    Splitter3->hide();
}

void TMainForm::applyPaneLayout()
{
    Pan_M->show();
    const PaneLayout layout = paneLayoutFor(DBMemo1->toPlainText(), m_ctx.page.PictureKey);
    setLowerPanes(layout.memoVisible, layout.pictureVisible);
}

void TMainForm::setLowerPanes(bool memo, bool picture)
{
    if (!memo && !picture) {
        hideLowerPanes();
        return;
    }
    Pan_fz->setVisible(memo);
    Pan_pic->setVisible(picture);
    Splitter3->show();
    const int total = std::max(Splitter2->height(), PaneLayout::kPageHeight + 1);
    Splitter2->setSizes({PaneLayout::kPageHeight, total - PaneLayout::kPageHeight});
    if (memo && picture) {
        const int width = Pan_M->width();
        const int memoWidth = memoPaneWidth(width);
        Splitter3->setSizes({memoWidth, width - memoWidth});
    }
}

// ---- pictures -----------------------------------------------------------

void TMainForm::ToolButton2Click()
{
    m_pane->zoomIn();
    m_page->zoomIn();
}

void TMainForm::ToolButton3Click()
{
    m_pane->zoomOut();
    m_page->zoomOut();
}

void TMainForm::ToolButton7Click()
{
    m_pane->naturalSize();
    m_page->naturalSize();
}

void TMainForm::Label3DblClick()
{
    const QString frame = m_tree_table.isOpen() && m_tree_table.recNo() >= 0
                              ? QString::fromStdString(recordText(m_tree_table, "CFrame")).trimmed()
                              : QString();
    const bool cardPage = frame == QStringLiteral("212") || frame == QStringLiteral("312");
    if (PictureNormal) {
        m_picVisibleBefore = !Pan_pic->isHidden() && !Splitter3->isHidden();
        m_memoVisibleBefore = !Pan_fz->isHidden() && !Splitter3->isHidden();
    } else if (cardPage) {
        // The card page has no lower panes of its own: restoring shows none.
        m_picVisibleBefore = false;
        m_memoVisibleBefore = false;
    }
    PictureNormal = !PictureNormal;
    Pan_M->setVisible(PictureNormal);
    if (PictureNormal) {
        setLowerPanes(m_memoVisibleBefore, m_picVisibleBefore);
    } else {
        Pan_fz->hide();
        Pan_pic->show();
        Splitter3->show();
    }
    m_pane->setStretch(false);
    m_pane->setAutoSize(!PictureNormal);
    m_pane->setFillsPanel(PictureNormal);
    m_pane->updateDragHint();
}

void TMainForm::enlargePicture(const QImage &picture)
{
    m_workBitmap = picture;
    m_pane->setImage(picture);
    // Already enlarged: the new picture takes the enlarged pane's place.
    if (PictureNormal)
        Label3DblClick();
    else
        m_pane->updateDragHint();
}

void TMainForm::restorePicturePane()
{
    if (PictureNormal)
        return;
    PictureNormal = true;
    Pan_M->show();
    m_pane->setStretch(false);
    m_pane->setAutoSize(false);
    m_pane->setFillsPanel(true);
}

void TMainForm::showPicture(PictureSurface *surface, const QString &path)
{
    if (!QFileInfo::exists(path))
        return;
    QImage picture(path);
    if (picture.isNull())
        return;
    m_workBitmap = picture;
    surface->setImage(m_workBitmap);
    if (surface == m_page) {
        surface->naturalSize();
        surface->updateDragHint();
    }
}

void TMainForm::ShowPage(int code)
{
    PageContext &page = m_ctx.page;
    bool clearedFrameGuard = false;
    const auto finish = [&] {
        page.PageType = PageContext::kPageTypeIdle;
        page.PictureKey.clear();
        PageControl->setEnabled(true);
    };
    try {
        Label3->setToolTip(QString::fromUtf8(kPictureHint));
        PageControl->setEnabled(false);
        page.PageType = code;

        for (PageFrame *frame : {m_tableFrame.data(), m_cardFrame.data()})
            if (frame)
                frame->closeTables();

        applyPaneLayout();
        if (!page.PictureKey.isEmpty()) {
            const fs::path fetched =
                FetchPicture(m_ctx.appDir(), "imgi.dat", "img", "futu.bmp", "ft.bmp", page.PictureKey.toStdString());
            page.PictureKey = QString::fromStdString(fetched.u8string());
            showPicture(m_pane, page.PictureKey);
        }

        Lbl_title->setText(page.Title);
        for (const char *name : {"ToolButton8", "ToolButton13"})
            findChild<QToolButton *>(QString::fromLatin1(name))->defaultAction()->setEnabled(false);

        const auto fetchCurve = [&] {
            if (!page.ContentKey.isEmpty())
                page.ContentKey = QString::fromStdString(
                    FetchPicture(m_ctx.appDir(), "curvei.dat", "curve", "quxian.bmp", "qx.bmp",
                                 page.ContentKey.toStdString())
                        .u8string());
        };

        switch (code) {
        case pagecode::Cover:
            P_title->show();
            showNotebookPage("Cover");
            break;
        case pagecode::Curve:
            hideLowerPanes();
            P_title->show();
            fetchCurve();
            loadCurveFrame();
            showNotebookPage("Cuver_show");
            break;
        case pagecode::Text:
            showTextPage();
            break;
        case pagecode::Calculator:
            embedCalculator();
            break;
        case pagecode::Picture:
            fetchCurve();
            showNotebookPage("Pic_show");
            showPicture(m_page, page.ContentKey);
            break;
        case pagecode::EngineeringCalculator:
            openEngineeringCalculator();
            break;
        case pagecode::Table:
        case pagecode::TableAlt:
            for (const char *name : {"ToolButton8", "ToolButton13"})
                findChild<QToolButton *>(QString::fromLatin1(name))->defaultAction()->setEnabled(true);
            if (FrameGuard) {
                FrameGuard = false;
                clearedFrameGuard = true;
                P_title->show();
                if (!page.ContentKey.isEmpty()) {
                    showNotebookPage("Pic_Dbgrid");
                    rebuildFrame(m_tableFrame, code, Pan_tbl);
                }
                FrameGuard = true;
            }
            break;
        case pagecode::Cards:
        case pagecode::CardsAlt:
            if (FrameGuard) {
                FrameGuard = false;
                clearedFrameGuard = true;
                P_title->show();
                showNotebookPage("tbl_dbctrl");
                rebuildFrame(m_cardFrame, code, Pan_DBCtrl);
                FrameGuard = true;
            }
            break;
        default:
            // No page of its own: the title and the panes change, the page stays.
            break;
        }
    } catch (...) {
        if (clearedFrameGuard)
            FrameGuard = true;
        finish();
        throw;
    }
    finish();
}

void TMainForm::rebuildFrame(QPointer<PageFrame> &frame, int code, QWidget *host)
{
    delete frame.data();
    const PageRegistry::FrameFactory *factory = m_ctx.pages().frame(code);
    if (!factory)
        return;
    frame = (*factory)(m_ctx, host);
    fillWith(host, frame);
    frame->show();
    frame->loadPage();
}

void TMainForm::loadCurveFrame()
{
    if (!m_curveFrame) {
        const PageRegistry::FrameFactory *factory = m_ctx.pages().frame(pagecode::Curve);
        if (!factory)
            return;
        m_curveFrame = (*factory)(m_ctx, Fram_curve1);
        m_curveFrame->setObjectName(QStringLiteral("Fram_curve1"));
        fillWith(Fram_curve1, m_curveFrame);
    }
    m_curveFrame->loadPage();
}

void TMainForm::showTextPage()
{
    P_title->show();
    showNotebookPage("Txt_show");
    PageContext &page = m_ctx.page;
    const fs::path htm = fetchTextPage(m_ctx.appDir(), page.ContentKey.toStdString());
    page.ContentKey = QString::fromStdString(htm.u8string());
    if (fs::exists(htm)) {
        WebBrowser1->setSource(QUrl::fromLocalFile(page.ContentKey));
        // The same file name shows again after the folder was refilled.
        WebBrowser1->reload();
    } else {
        WebBrowser1->setHtml(QStringLiteral("<p>找不到文本页“%1”。</p>").arg(page.ContentKey.toHtmlEscaped()));
    }
}

void TMainForm::closeCalculator()
{
    QWidget *calculator = m_calculator;
    m_calculator = nullptr;
    CalcState = 0;
    if (!calculator)
        return;
    calculator->hide();
    calculator->deleteLater();
}

void TMainForm::embedCalculator()
{
    showNotebookPage("showprg");
    P_title->show();
    setEnabled(false);
    try {
        findChild<QToolButton *>(QStringLiteral("ToolButton14"))->defaultAction()->setEnabled(true);
        N18->setEnabled(true);
        closeCalculator();
        for (const CalculatorKey &row : calculatorsForKey(m_ctx.page.ContentKey.toUtf8().constData())) {
            const PageRegistry::WindowFactory *factory = m_ctx.pages().calculator(row.window);
            QWidget *window = factory ? (*factory)(m_ctx, this)
                                      : new PlaceholderWindow(QString::fromLatin1(row.window),
                                                              QString::fromUtf8(row.title));
            // Closing the calculator by its own button ends it for good; the
            // pointer then empties and CalcState names no window.
            window->setAttribute(Qt::WA_DeleteOnClose);
            window->setParent(PPrg, Qt::Widget);
            PPrg->layout()->addWidget(window);
            window->show();
            window->raise();
            m_calculator = window;
            CalcState = row.code;
            connect(window, &QObject::destroyed, this, [this, window] {
                if (m_calculator.isNull() || m_calculator.data() == window) {
                    m_calculator = nullptr;
                    CalcState = 0;
                }
            });
        }
        CalcTitle = Lbl_title->text();
    } catch (...) {
        m_ctx.ShowMessageWindow(QString::fromUtf8(kCalculatorFailed));
    }
    setEnabled(true);
}

void TMainForm::ToolButton14Click()
{
    showNotebookPage("showprg");
    P_title->show();
    Lbl_title->setText(CalcTitle);
    hideLowerPanes();
}

void TMainForm::openCalculatorFromMenu(const char *window)
{
    const CalculatorKey *row = calculatorByWindow(window);
    if (!row)
        return;
    PageContext &page = m_ctx.page;
    page.PictureKey.clear();
    DBMemo1->setPlainText(QString());
    page.Title = QString::fromUtf8(row->title);
    page.ContentKey = QString::fromUtf8(row->key);
    guard([this] { ShowPage(pagecode::Calculator); });
}

void TMainForm::openEngineeringCalculator()
{
    const PageRegistry::WindowFactory *factory = m_ctx.pages().window(pagecode::EngineeringCalculator);
    QWidget *window = factory ? (*factory)(m_ctx, this)
                              : new PlaceholderWindow(QStringLiteral("jsform"), QStringLiteral("工程计算器"), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->adjustSize();
    window->show();
}

} // namespace holvane::app
