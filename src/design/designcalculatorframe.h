#pragma once

#include "design/calcconfig.h"
#include "design/designreport.h"

#include <QWidget>
#include <map>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace holvane::app {
class AppContext;
}

namespace holvane::design {

class CalcStage;
class FrameHook;

// A design calculator window: the left button column, the design-task page
// and one page per stage, all built from the member's configuration. The
// main window embeds it in its page area; it reaches the store, the shared
// evaluator and the whole-run windows through the application context.
class DesignCalculatorFrame : public QWidget {
    Q_OBJECT
public:
    DesignCalculatorFrame(app::AppContext &context, const MemberConfig &member, QWidget *parent = nullptr);
    ~DesignCalculatorFrame() override;

    const MemberConfig &member() const { return m_member; }
    bool StageOpen() const { return m_stageOpen; }
    // The stage of a notebook page, by page name.
    CalcStage *stagePage(const std::string &page) const;

    // The handlers.
    void Restore();
    void BitBtn1Click();
    void BitBtn2Click();
    void itemButtonClick(size_t stage);
    void choiceClick(size_t stage, size_t choice);
    void backClick(size_t stage);
    void SButton2Click();
    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildColumn();
    QWidget *buildTaskPage();
    void openStage(size_t stage, const std::string &table, const std::string &choice);
    void closeStage(size_t stage);
    void stackColumn(const QWidget *panelAfter);
    DesignTask task() const;
    QPushButton *button(const std::string &name) const;
    int scaled(int pixels) const;

    app::AppContext &m_context;
    const MemberConfig &m_member;
    bool m_stageOpen = false;
    int m_screenWidth = 1024;
    QWidget *m_panel = nullptr;
    QLabel *m_image = nullptr;
    QStackedWidget *m_notebook = nullptr;
    QWidget *m_firstPage = nullptr;
    QLineEdit *m_number = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_designer = nullptr;
    std::vector<QPushButton *> m_column;
    std::map<std::string, CalcStage *> m_pages;
    std::vector<CalcStage *> m_stageViews; // per configured stage
    std::vector<QWidget *> m_choicePanels; // per configured stage; null without choices
    std::vector<int> m_chosen; // per configured stage; -1: none yet
    std::unique_ptr<FrameHook> m_hook;
};

} // namespace holvane::design
