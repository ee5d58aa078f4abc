#include "appfixture.h"

#include "app/data/treemodel.h"
#include "app/errorguard.h"
#include "packer.h"
#include "store/table.h"

#include <QApplication>
#include <QTreeView>

namespace holvane::test {

namespace fs = std::filesystem;

fs::path packedFixture()
{
    static TempDir packed;
    static bool done = false;
    if (!done) {
        pack::packContent(fs::path(HOLVANE_SOURCE_DIR) / "tests" / "fixtures" / "content", packed / "AppDir");
        done = true;
    }
    return packed / "AppDir";
}

AppFixture::AppFixture() : appDir(temp / "AppDir")
{
    fs::copy(packedFixture(), appDir, fs::copy_options::recursive);
}

AppFixture::~AppFixture()
{
    m_window.reset();
    // Let windows scheduled for deletion go before the context does.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_context.reset();
}

app::AppContext &AppFixture::context()
{
    if (!m_context) {
        m_context = std::make_unique<app::AppContext>(appDir, messages, desktop, temp / "aliases.conf");
        m_context->splashWaitMs = 0;
    }
    return *m_context;
}

app::TMainForm &AppFixture::window()
{
    if (!m_window) {
        m_window = std::make_unique<app::TMainForm>(context());
        m_window->show();
        QApplication::processEvents();
    }
    return *m_window;
}

void AppFixture::setNodeField(int cid, const std::string &field, const std::string &text)
{
    store::Table tree;
    tree.setPath(appDir / "database", "VTree.DB");
    tree.open();
    ASSERT_TRUE(tree.locate("CID", std::to_string(cid)));
    tree.edit();
    tree.setText(field, text);
    tree.post();
    tree.close();
}

void AppFixture::refreshCatalogue()
{
    app::guarded(messages, [&] { window().T_Tree().refresh(); });
}

QModelIndex AppFixture::nodeIndex(int cid)
{
    store::Table &tree = window().T_Tree();
    const int field = tree.fieldIndex("CID");
    for (int i = 0; i < tree.recordCount(); ++i)
        if (tree.valueAt(i, field) == store::Value(cid))
            return window().treeModel()->indexOfPosition(i);
    ADD_FAILURE() << "no node " << cid;
    return {};
}

void AppFixture::selectNode(int cid)
{
    window().m_treeView()->setCurrentIndex(nodeIndex(cid));
    QApplication::processEvents();
}

std::vector<long long> AppFixture::historyIds()
{
    store::Table history;
    history.setPath(appDir / "database", "History.DB");
    history.open();
    std::vector<long long> ids;
    for (history.first(); !history.eof(); history.next())
        ids.push_back(history.value("CID").integer());
    history.close();
    return ids;
}

} // namespace holvane::test
