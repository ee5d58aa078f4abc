#pragma once

#include "app/indexquery.h"
#include "app/pageframe.h"
#include "store/query.h"
#include "store/table.h"

#include <QImage>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSplitter;
class QStackedWidget;
class QStatusBar;
class QTabWidget;
class QTableView;
class QTextBrowser;
class QToolBar;
class QToolButton;
class QTreeView;
class QWidget;

namespace holvane::app {

class AppContext;
class DataSource;
class DbMemo;
class PictureSurface;
class TableModel;
class TreeModel;
class WebBrowser;

// The handbook's main window (form MainForm): toolbar, address box, menu,
// navigator with the catalogue tree, and the content area where ShowPage
// shows every page. Components carry the form's names as objectName.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(AppContext &context, QWidget *parent = nullptr);
    ~TMainForm() override;

    AppContext &context() { return m_ctx; }

    // Shows the page of a type code in the content area, with the memo and
    // picture panes under it. Errors propagate (the caller's error guard
    // shows them); the navigator, FrameGuard and PageType are restored first.
    void ShowPage(int code);
    // The catalogue's current record changed: open its page when TreeFollow.
    void T_TreeAfterScroll();
    void m_treeDblClick();
    void TB_hide_mlClick();
    // "返回计算".
    void ToolButton14Click();
    // A calculator menu item, by the calculator's window class name.
    void openCalculatorFromMenu(const char *window);

    // "放大", "缩小" and "还原" for both pictures (toolbar and PopupMenu1).
    void ToolButton2Click();
    void ToolButton3Click();
    void ToolButton7Click();
    // Enlarges the picture pane to the whole content area, or restores it.
    void Label3DblClick();
    // For the record-card page: shows the picture in the picture pane and
    // enlarges the pane.
    void enlargePicture(const QImage &picture);
    PictureSurface *picturePane() const { return m_pane; }
    PictureSurface *picturePage() const { return m_page; }

    // "下一页" and "上一页": one step towards more recent or older pages of
    // the navigation history.
    void BackBtnClick();
    void ForwardBtnClick();
    // Shows an address in the text page, and lists it in the address box.
    void OpenAddress(const QString &text);
    // Every navigation of the text page, before it happens.
    void WebBrowser1BeforeNavigate2(const QString &address);
    bool NavFromAddressBox = false;

    // The index and the keyword search.
    void s_IndexChange();
    void E_searchChange();
    void DBGrid2CellClick();
    void DBGrid3CellClick();
    void PageControlChange();
    IndexQuery &Q_tree() { return m_indexQuery; }
    store::Query &QF_tree() { return m_searchQuery; }

    // "版本说明": the about box, shown modally.
    void N_aboutClick();

    store::Table &T_Tree() { return m_tree_table; }
    store::Table &T_History() { return m_history; }
    DataSource *ds_TTree() const { return m_dsTree; }
    TreeModel *treeModel() const { return m_treeModel; }
    QTreeView *m_treeView() const { return m_tree; }

    bool TreeFollow = false;
    bool FrameGuard = true;
    bool PictureNormal = false;
    int CalcState = 0;
    QString CalcTitle;

    // The design calculator embedded in PPrg, while it lives.
    QWidget *calculatorWindow() const { return m_calculator; }
    // The table and record-card frames shown last, while they live.
    PageFrame *tableFrame() const { return m_tableFrame; }
    PageFrame *cardFrame() const { return m_cardFrame; }
    // The objectName of the notebook page in view.
    QString currentPageName() const;
    // The work bitmap holding the picture loaded last.
    const QImage &workBitmap() const { return m_workBitmap; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();

    void buildLayout();
    void buildToolBar();
    void buildMenu();
    void buildNavigator(QSplitter *splitter);
    void buildContent(QSplitter *splitter);
    void buildEditShortcuts();
    void buildTreeFontMenu();
    QToolButton *addToolButton(const char *name, const QString &caption, const QString &hint, int icon);

    void showNotebookPage(const char *name);
    void applyPaneLayout();
    void setLowerPanes(bool memo, bool picture);
    // Back to the picture pane's normal layout, when it was enlarged.
    void restorePicturePane();
    void showPicture(PictureSurface *surface, const QString &path);
    void showTextPage();
    void embedCalculator();
    void closeCalculator();
    void openEngineeringCalculator();
    void rebuildFrame(QPointer<PageFrame> &frame, int code, QWidget *host);
    void loadCurveFrame();
    void hideLowerPanes();
    void followTreeToRecord();
    void editCommand(const char *command);
    void wireNavigator();
    void showHistoryRecord();
    // Opens the page of a catalogue record of the index or the search.
    void openListedRecord(store::Cursor &record);
    void openRecordPage(const store::Cursor &record);
    void followCursorInGrid(QTableView *grid, const store::Cursor &cursor);
    void guard(const std::function<void()> &work);

    AppContext &m_ctx;
    store::Table m_tree_table;
    store::Table m_history;
    IndexQuery m_indexQuery;
    store::Query m_searchQuery;
    DataSource *m_dsIndex = nullptr;
    DataSource *m_dsSearch = nullptr;
    TableModel *m_indexModel = nullptr;
    TableModel *m_searchModel = nullptr;
    DataSource *m_dsTree = nullptr;
    TreeModel *m_treeModel = nullptr;
    bool m_shown = false;
    bool m_syncingTree = false;
    bool m_quietExpand = false;
    QImage m_workBitmap;
    QImage m_zoomBitmap;
    PictureSurface *m_pane = nullptr;
    PictureSurface *m_page = nullptr;
    // The visibility of the picture and memo panes to return to when the
    // enlarged picture pane is restored.
    bool m_picVisibleBefore = false;
    bool m_memoVisibleBefore = false;

    QWidget *CoolBar1 = nullptr;
    QToolBar *ToolBar1 = nullptr;
    QComboBox *URLs = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QTabWidget *PageControl = nullptr;
    QTreeView *m_tree = nullptr;
    QSplitter *Splitter1 = nullptr;
    QWidget *Panel1 = nullptr;
    QSplitter *Splitter2 = nullptr;
    QWidget *Pan_M = nullptr;
    QWidget *P_title = nullptr;
    QLabel *Lbl_title = nullptr;
    QStackedWidget *Notebook1 = nullptr;
    QSplitter *Splitter3 = nullptr;
    QWidget *Pan_fz = nullptr;
    DbMemo *DBMemo1 = nullptr;
    QWidget *Pan_pic = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Label3 = nullptr;
    QWidget *Pan_DBCtrl = nullptr;
    QWidget *Fram_curve1 = nullptr;
    QWidget *Pan_tbl = nullptr;
    WebBrowser *WebBrowser1 = nullptr;
    QLineEdit *s_Index = nullptr;
    QLineEdit *E_search = nullptr;
    QTableView *DBGrid2 = nullptr;
    QTableView *DBGrid3 = nullptr;
    QLabel *m_statusPanel = nullptr;
    QWidget *Panel2 = nullptr;
    QLabel *Img_show = nullptr;
    QLabel *Label4 = nullptr;
    QWidget *PPrg = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QMenu *PM_Tree = nullptr;
    QToolButton *TB_hide_ml = nullptr;
    QAction *N18 = nullptr;

    QPointer<QWidget> m_calculator;
    QPointer<PageFrame> m_tableFrame;
    QPointer<PageFrame> m_cardFrame;
    QPointer<PageFrame> m_curveFrame;
};

} // namespace holvane::app
