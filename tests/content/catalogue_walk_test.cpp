// Every node of the real handbook opens its page: the packed content of
// content/ is walked through the catalogue tree as a reader would click it.
#include "app/appcontext.h"
#include "app/data/treemodel.h"
#include "app/desktopservice.h"
#include "app/messagerecorder.h"
#include "app/pageregistration.h"
#include "app/tmainform.h"
#include "packer.h"
#include "store/table.h"
#include "support/tempdir.h"

#include <QApplication>
#include <QTextBrowser>
#include <QTreeView>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace holvane;

namespace {

struct Node {
    int cid;
    std::string name;
    std::string frame;
};

TEST(Handbook, EveryCatalogueNodeShowsItsPage)
{
    test::TempDir temp;
    const fs::path appDir = temp / "AppDir";
    pack::packContent(fs::path(HOLVANE_SOURCE_DIR) / "content", appDir);

    app::MessageRecorder messages;
    app::DesktopRecorder desktop;
    auto context = std::make_unique<app::AppContext>(appDir, messages, desktop, temp / "aliases.conf");
    context->splashWaitMs = 0;
    app::registerPages(*context);
    auto window = std::make_unique<app::TMainForm>(*context);
    window->show();
    QApplication::processEvents();
    ASSERT_TRUE(messages.texts().empty()) << messages.texts().front().toStdString();

    std::vector<Node> nodes;
    store::Table &tree = window->T_Tree();
    const int cidField = tree.fieldIndex("CID");
    for (int i = 0; i < tree.recordCount(); ++i) {
        nodes.push_back({static_cast<int>(tree.valueAt(i, cidField).integer()),
                         tree.valueAt(i, tree.fieldIndex("CName")).text(),
                         tree.valueAt(i, tree.fieldIndex("CFrame")).isNull()
                             ? std::string()
                             : tree.valueAt(i, tree.fieldIndex("CFrame")).text()});
    }
    ASSERT_GT(nodes.size(), 50u);

    int textPages = 0;
    for (const Node &node : nodes) {
        if (node.frame.empty() || node.frame == "8")
            continue; // chapter headings; the engineering calculator opens a window of its own
        int position = -1;
        for (int i = 0; i < tree.recordCount(); ++i) {
            if (tree.valueAt(i, cidField) == store::Value(node.cid))
                position = i;
        }
        ASSERT_GE(position, 0);
        window->m_treeView()->setCurrentIndex(window->treeModel()->indexOfPosition(position));
        QApplication::processEvents();
        EXPECT_TRUE(messages.texts().empty())
            << node.cid << " " << node.name << ": " << messages.texts().front().toStdString();
        messages.clear();
        if (node.frame == "4") {
            ++textPages;
            const auto *browser = window->findChild<QTextBrowser *>(QStringLiteral("WebBrowser1"));
            ASSERT_NE(browser, nullptr);
            EXPECT_FALSE(browser->toPlainText().trimmed().isEmpty()) << node.cid << " " << node.name;
        }
    }
    EXPECT_GE(textPages, 30);

    window.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
