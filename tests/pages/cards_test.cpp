// The record-card page in the main window over the fixture's card tables.

#include "app/appfixture.h"
#include "app/pageregistration.h"
#include "pages/cardgrid.h"
#include "pages/cardlayout.h"
#include "pages/cardpanel.h"
#include "pages/tfrm_1.h"
#include "query/tfrm_cxjg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace holvane::test {
namespace {

constexpr int kThreeColumns = 33;
constexpr int kNameAndPicture = 34;
constexpr int kPictureAndDescription = 35;
constexpr int kNameAndDescription = 36;
constexpr int kFourFields = 37;

class CardPage : public AppFixture {
protected:
    CardPage() { app::registerPages(context()); }

    pages::TFrm_1 *open(int cid)
    {
        selectNode(cid);
        auto *frame = qobject_cast<pages::TFrm_1 *>(window().cardFrame());
        EXPECT_NE(frame, nullptr) << cid;
        return frame;
    }
    static pages::CardPanel *card(pages::TFrm_1 *frame, int row) { return frame->DBCtrlGrid1()->panel(row); }
    template<typename T> static T *in(QWidget *parent, const char *name)
    {
        T *widget = parent->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    query::Tfrm_cxjg *resultWindow(pages::TFrm_1 *frame)
    {
        const auto windows = frame->findChildren<query::Tfrm_cxjg *>();
        return windows.isEmpty() ? nullptr : windows.back();
    }
    bool shown(const char *name) { return find<QWidget>(name)->isVisible(); }
};

TEST_F(CardPage, EachLayoutPlacesHeaderAndCardsByItsFields)
{
    for (int cid : { kThreeColumns, kNameAndPicture, kPictureAndDescription, kNameAndDescription }) {
        SCOPED_TRACE(cid);
        pages::TFrm_1 *frame = open(cid);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(window().currentPageName(), QStringLiteral("tbl_dbctrl"));
        pages::CardGrid *grid = frame->DBCtrlGrid1();
        EXPECT_EQ(grid->rowCount(), 6);
        EXPECT_EQ(grid->height(), 6 * 78);
        EXPECT_EQ(in<QFrame>(frame, "Shape4")->height(), 33);
        EXPECT_GT(grid->cardWidth(), 600);
        const std::optional<pages::CardLayout> layout
            = pages::cardLayout(frame->tbl_xy().fields(), 0, grid->cardWidth());
        ASSERT_TRUE(layout);

        pages::CardPanel *first = card(frame, 0);
        EXPECT_EQ(first->width(), grid->cardWidth());
        EXPECT_EQ(first->height(), 78);
        EXPECT_EQ(first->Shape1()->geometry(), first->rect());
        const auto expectControl = [&](const char *name, const pages::CardControl &at, int top) {
            QWidget *control = in<QWidget>(first, name);
            EXPECT_EQ(!control->isHidden(), at.visible) << name;
            if (at.visible) {
                EXPECT_EQ(control->geometry().topLeft(), QPoint(at.left, top)) << name;
                EXPECT_EQ(control->width(), at.width) << name;
            }
        };
        expectControl("DBEdit1", layout->edit, 35);
        expectControl("DBMemo1", layout->memo, 8);
        expectControl("DBImage1", layout->image, 8);
        const auto expectLine = [&](const char *card, const char *header, const std::optional<int> &at) {
            EXPECT_EQ(!in<QFrame>(first, card)->isHidden(), at.has_value()) << card;
            EXPECT_EQ(!in<QFrame>(frame, header)->isHidden(), at.has_value()) << header;
            if (at) {
                EXPECT_EQ(in<QFrame>(first, card)->x(), *at) << card;
                EXPECT_EQ(in<QFrame>(frame, header)->x(), *at) << header;
            }
        };
        expectLine("Shape2", "Shape5", layout->nameSeparator);
        expectLine("Shape3", "Shape6", layout->pictureSeparator);
        const auto expectCaption = [&](const char *name, const pages::CardCaption &caption) {
            auto *label = in<QLabel>(in<QWidget>(frame, "Shape4"), name);
            EXPECT_EQ(!label->isHidden(), caption.visible) << name;
            if (caption.visible) {
                EXPECT_EQ(label->text(), caption.text) << name;
                EXPECT_EQ(label->x(), caption.left) << name;
            }
        };
        expectCaption("Label1", layout->nameCaption);
        expectCaption("Label2", layout->descriptionCaption);
        expectCaption("Label3", layout->pictureCaption);
    }
}

TEST_F(CardPage, CardsShowTheirRecords)
{
    pages::TFrm_1 *frame = open(kThreeColumns);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(in<QLineEdit>(card(frame, 0), "DBEdit1")->text(), QStringLiteral("支承钉"));
    EXPECT_EQ(
        in<QPlainTextEdit>(card(frame, 0), "DBMemo1")->toPlainText(), QStringLiteral("平头支承钉用于已加工平面。"));
    EXPECT_FALSE(in<QLabel>(card(frame, 0), "DBImage1")->pixmap().isNull());
    EXPECT_EQ(in<QLineEdit>(card(frame, 1), "DBEdit1")->text(), QStringLiteral("支承板"));
    EXPECT_TRUE(in<QLabel>(card(frame, 1), "DBImage1")->pixmap().isNull());
    EXPECT_TRUE(card(frame, 1)->isVisible());
    EXPECT_FALSE(card(frame, 2)->isVisible());
    EXPECT_EQ(in<QLabel>(card(frame, 0), "DBImage1")->toolTip(), QStringLiteral("单击放大图形"));
    EXPECT_EQ(in<QPlainTextEdit>(card(frame, 0), "DBMemo1")->toolTip(), QStringLiteral("双击查询结果"));

    QTest::mouseClick(in<QLineEdit>(card(frame, 1), "DBEdit1"), Qt::LeftButton);
    EXPECT_EQ(frame->tbl_xy().recNo(), 1);
}

TEST_F(CardPage, FourFieldTableShowsCardsWithoutDataOrNewCaptions)
{
    pages::TFrm_1 *frame = open(kFourFields);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->tbl_xy().recordCount(), 1);
    EXPECT_TRUE(card(frame, 0)->isVisible());
    EXPECT_EQ(in<QLineEdit>(card(frame, 0), "DBEdit1")->text(), QString());
    EXPECT_EQ(in<QPlainTextEdit>(card(frame, 0), "DBMemo1")->toPlainText(), QString());
    QWidget *header = in<QWidget>(frame, "Shape4");
    EXPECT_EQ(in<QLabel>(header, "Label1")->text(), QStringLiteral("名称"));
    EXPECT_EQ(in<QLabel>(header, "Label2")->text(), QStringLiteral("描述"));
    EXPECT_EQ(in<QLabel>(header, "Label3")->text(), QStringLiteral("附图"));
    frame->DBImage1Click();
    EXPECT_TRUE(window().PictureNormal);
}

TEST_F(CardPage, DoubleClickSendsTheCardToTheQueryResultWindow)
{
    pages::TFrm_1 *frame = open(kThreeColumns);
    ASSERT_NE(frame, nullptr);
    QTest::mouseDClick(in<QLineEdit>(card(frame, 0), "DBEdit1"), Qt::LeftButton);
    query::Tfrm_cxjg *result = resultWindow(frame);
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->isVisible());
    EXPECT_EQ(in<QLineEdit>(result, "E_zt")->text(), context().page.Title);
    EXPECT_EQ(in<QPlainTextEdit>(result, "Memo1")->toPlainText(),
        QString(50, QLatin1Char('=')) + QStringLiteral("\n名称:支承钉\n描述:平头支承钉用于已加工平面。\n")
            + QString(24, QLatin1Char(' ')));
    EXPECT_TRUE(context().page.PickedText.isEmpty());
}

TEST_F(CardPage, EmptyDescriptionSendsOnlyTheNameLine)
{
    pages::TFrm_1 *frame = open(kNameAndDescription);
    ASSERT_NE(frame, nullptr);
    QTest::mouseDClick(in<QPlainTextEdit>(card(frame, 1), "DBMemo1")->viewport(), Qt::LeftButton);
    EXPECT_EQ(frame->tbl_xy().recNo(), 1);
    query::Tfrm_cxjg *result = resultWindow(frame);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(in<QPlainTextEdit>(result, "Memo1")->toPlainText(),
        QString(50, QLatin1Char('=')) + QStringLiteral("\n名称:定位销\n") + QString(24, QLatin1Char(' ')));
}

TEST_F(CardPage, PictureEnlargesOverTheContentAreaAndRestoresWithoutLowerPanes)
{
    pages::TFrm_1 *frame = open(kThreeColumns);
    ASSERT_NE(frame, nullptr);
    QTest::mouseClick(in<QLabel>(card(frame, 0), "DBImage1"), Qt::LeftButton);
    EXPECT_FALSE(window().PictureNormal);
    EXPECT_FALSE(shown("Pan_M"));
    EXPECT_TRUE(shown("Pan_pic"));
    const std::string &drawing = frame->tbl_xy().value(1).rawBytes();
    const QImage expected
        = QImage::fromData(reinterpret_cast<const uchar *>(drawing.data()), static_cast<int>(drawing.size()));
    EXPECT_EQ(window().workBitmap(), expected.convertToFormat(window().workBitmap().format()));
    window().Label3DblClick();
    EXPECT_TRUE(window().PictureNormal);
    EXPECT_TRUE(shown("Pan_M"));
    EXPECT_FALSE(shown("Pan_pic"));
    EXPECT_FALSE(shown("Pan_fz"));
}

TEST_F(CardPage, ThreeFieldCardWithoutPictureEnlargesNothing)
{
    pages::TFrm_1 *frame = open(kThreeColumns);
    ASSERT_NE(frame, nullptr);
    QTest::mouseClick(in<QLabel>(card(frame, 1), "DBImage1"), Qt::LeftButton);
    EXPECT_EQ(frame->tbl_xy().recNo(), 1);
    EXPECT_TRUE(window().PictureNormal);
    EXPECT_TRUE(shown("Pan_M"));
}

TEST_F(CardPage, MissingTableLeavesThePageWithoutCards)
{
    setNodeField(kThreeColumns, "Ctable", "nosuchtable");
    refreshCatalogue();
    messages.clear();
    selectNode(kThreeColumns);
    EXPECT_EQ(messageTexts().size(), 1u);
    auto *frame = qobject_cast<pages::TFrm_1 *>(window().cardFrame());
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->tbl_xy().isOpen());
    EXPECT_FALSE(card(frame, 0)->isVisible());
}

} // namespace
} // namespace holvane::test
