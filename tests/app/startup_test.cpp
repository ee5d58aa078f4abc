#include "app/apperror.h"
#include "app/pagecode.h"
#include "app/panelayout.h"
#include "app/screenscaling.h"
#include "app/startup.h"
#include "appfixture.h"
#include "store/aliasregistry.h"
#include "store/table.h"

#include <gtest/gtest.h>

namespace holvane::test {
namespace {

namespace fs = std::filesystem;
using app::registerAliases;

TEST(Aliases, MissingOnesAreAddedInTableOrder)
{
    TempDir dir;
    store::AliasRegistry aliases(dir / "aliases.conf");
    const auto added = registerAliases(aliases, dir / "AppDir");
    EXPECT_EQ(added, (std::vector<std::string>{"jMydb", "jdat", "j212dat", "jsjjdat", "jsjdat", "jgsdat"}));
    EXPECT_EQ(aliases.directory("jgsdat"), dir / "AppDir" / fs::u8path("计算器/data"));
    // The registry file now names all six for the next start.
    store::AliasRegistry reread(dir / "aliases.conf");
    EXPECT_EQ(reread.names().size(), 6u);
}

TEST(Aliases, KnownOnesInAnyCaseAreLeftAlone)
{
    TempDir dir;
    store::AliasRegistry aliases(dir / "aliases.conf");
    aliases.add("JMYDB", dir / "elsewhere");
    aliases.add("jsjdat", dir / "other");
    const auto added = registerAliases(aliases, dir / "AppDir");
    EXPECT_EQ(added, (std::vector<std::string>{"jdat", "j212dat", "jsjjdat", "jgsdat"}));
    EXPECT_EQ(aliases.directory("jMydb"), dir / "elsewhere");
    EXPECT_EQ(aliases.directory("jsjdat"), dir / "other");
    EXPECT_TRUE(registerAliases(aliases, dir / "AppDir").empty());
}

TEST(ScreenScaling, SizesFollowTheScreenInIntegers)
{
    struct Case {
        QSize stored, screen, expected;
    } cases[] = {
        {{1024, 738}, {1024, 768}, {1024, 738}},  // the design screen: unchanged
        {{1024, 738}, {1024, 600}, {1024, 738}},  // any 1024-wide screen: unchanged
        {{1024, 738}, {1280, 1024}, {1280, 984}}, // 1280*1024/1024, 1024*738/768
        {{401, 300}, {1280, 1024}, {501, 400}},   // 513280/1024 = 501.25 truncated
        {{401, 300}, {800, 600}, {313, 234}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(app::scaledWindowSize(c.stored, c.screen), c.expected) << c.screen.width();
    EXPECT_EQ(app::scaledFontPixels(16, 1280), 20);
    EXPECT_EQ(app::scaledFontPixels(15, 1280), 18);
    EXPECT_EQ(app::scaledFontPixels(16, 1024), 16);
}

TEST(PageCode, DigitsReadAndAnythingElseIsAConversionError)
{
    EXPECT_EQ(app::pageCodeFromText("0"), 0);
    EXPECT_EQ(app::pageCodeFromText("211"), 211);
    EXPECT_EQ(app::pageCodeFromText(" 6 "), 6);
    for (const char *bad : {"abc", "4x", "", " ", "1 2", "99999999999"})
        EXPECT_THROW(app::pageCodeFromText(bad), app::AppError) << bad;
    try {
        app::pageCodeFromText("表");
    } catch (const app::AppError &e) {
        EXPECT_STREQ(e.what(), "“表”不是有效的整数值");
    }
}

TEST(PaneLayout, MemoAndPictureDecideTheSplit)
{
    using app::PaneLayout;
    struct Case {
        const char *memo;
        const char *picture;
        PaneLayout expected; // memo, picture, vertical split, horizontal split
    } cases[] = {
        {"", "", {false, false, false, false}},
        {"  \n\t", "", {false, false, false, false}}, // blanks count as empty
        {"说明", "", {true, false, true, false}},
        {"", "zucheng", {false, true, true, false}},
        {"说明", "zucheng", {true, true, true, true}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(app::paneLayoutFor(QString::fromUtf8(c.memo), QString::fromUtf8(c.picture)), c.expected)
            << c.memo << "/" << c.picture;
    EXPECT_EQ(app::memoPaneWidth(791), 395);
}

class Startup : public AppFixture {};

TEST_F(Startup, HistoryOfAnEarlierRunIsEmptiedAndAliasesRegistered)
{
    store::Table history;
    history.setPath(appDir / "database", "History.DB");
    history.open();
    for (int i = 0; i < 3; ++i) {
        history.append();
        history.setValue("CID", i + 1);
        history.setText("CName", "旧记录");
        history.post();
    }
    history.close();

    window();
    EXPECT_TRUE(historyIds().empty());
    EXPECT_TRUE(context().aliases().contains("JMYDB"));
    EXPECT_EQ(context().aliases().directory("j212dat"), appDir / "212dat312");
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Cover"));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(Startup, AMissingCatalogueIsReportedOnceAndTheWindowStillOpens)
{
    fs::remove(appDir / "database" / "VTree.DB");
    window();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.messages()[0].text.contains(QStringLiteral("VTree")));
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Cover"));
}

} // namespace
} // namespace holvane::test
