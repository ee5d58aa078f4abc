#pragma once

#include "app/pagecontext.h"
#include "app/pageregistry.h"
#include "app/startup.h"
#include "formula/formulaevaluator.h"
#include "query/querystate.h"
#include "store/aliasregistry.h"

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <memory>

namespace holvane::app {

class DesktopService;
class MessageService;

// The windows that live for the whole run and that other windows use. Each
// is filled in by the program entry once the window's issue has landed; a
// null pointer means the window does not exist (yet).
struct WholeRunWindows {
    QPointer<QWidget> mainForm;      // TMainForm
    QPointer<QWidget> resultHistory; // Tfrm_cxls
    QPointer<QWidget> queryResult;   // Tfrm_cxjg
    QPointer<QWidget> messageWindow; // Tfrmmsg
    QPointer<QWidget> imageForm;     // TImageForm
    QPointer<QWidget> zoom;          // TFrmZoom2
    QPointer<QWidget> report;        // TFrmreport
};

// What one run of the program shares: the program directory, the alias
// registry, the current page, the message and desktop services, the design
// calculators' evaluator, the page registry and the whole-run windows. Owned
// by the program entry (or a test) and handed on by reference.
class AppContext {
public:
    // `aliasFile`: the engine's alias registry; by default aliases.conf in
    // `appDir`. A test names its own.
    AppContext(std::filesystem::path appDir, MessageService &messages, DesktopService &desktop,
               std::filesystem::path aliasFile = {});
    ~AppContext();
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

    const std::filesystem::path &appDir() const { return m_appDir; }
    store::AliasRegistry &aliases() { return m_aliases; }
    MessageService &messages() { return m_messages; }
    DesktopService &desktop() { return m_desktop; }
    // The one evaluator instance the design calculators share.
    formula::FormulaEvaluator &evaluator() { return *m_evaluator; }
    PageRegistry &pages() { return m_pages; }

    PageContext page;
    WholeRunWindows windows;
    // The query condition, search position and working-text file that the
    // query windows share.
    query::QueryState query;
    // The splash wait of the main window's creation; tests and tours pass 0.
    int splashWaitMs = kDefaultSplashWaitMs;

    // The message window when it exists (windows.messageWindow, which offers
    // an invokable ShowMessageWindow(QString)), else a plain message box.
    void ShowMessageWindow(const QString &text);

private:
    class EvaluatorMessages;

    std::filesystem::path m_appDir;
    MessageService &m_messages;
    DesktopService &m_desktop;
    store::AliasRegistry m_aliases;
    std::unique_ptr<EvaluatorMessages> m_evaluatorMessages;
    std::unique_ptr<formula::FormulaEvaluator> m_evaluator;
    PageRegistry m_pages;
};

} // namespace holvane::app
