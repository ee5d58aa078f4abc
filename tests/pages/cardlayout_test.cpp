// The record-card columns by field count and types, and what a card gives
// the picture viewer and the query result window.

#include "pages/cardlayout.h"
#include "pages/cardrecord.h"
#include "store/table.h"
#include "support/tempdir.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

namespace holvane::pages {
namespace {

using store::FieldDef;
using store::FieldType;

const FieldDef kName { "名称", FieldType::Text, 40 };
const FieldDef kPicture { "附图", FieldType::Graphic, 0 };
const FieldDef kMemo { "描述", FieldType::Memo, 0 };

struct Expected {
    const char *layout;
    std::vector<FieldDef> fields;
    std::optional<int> nameLine, pictureLine;
    // Caption lefts (-1 hidden): Label1, Label2, Label3.
    int label1, label2, label3;
    // left, width, field of edit, memo, picture (field -1 hidden).
    CardControl edit, memo, image;
};

void expectControl(const CardControl &actual, const CardControl &expected, const char *what)
{
    EXPECT_EQ(actual.visible, expected.field >= 0) << what;
    if (expected.field < 0)
        return;
    EXPECT_EQ(actual.left, expected.left) << what;
    EXPECT_EQ(actual.width, expected.width) << what;
    EXPECT_EQ(actual.field, expected.field) << what;
}

void expectCaption(const CardCaption &actual, int left, const FieldDef *field, const char *what)
{
    EXPECT_EQ(actual.visible, left >= 0) << what;
    if (left < 0)
        return;
    EXPECT_EQ(actual.left, left) << what;
    EXPECT_EQ(actual.text.toStdString(), field->name) << what;
}

// A card 996 pixels wide: w = 916, so w/8 = 114.5 and 3w/8 = 343.5 show the
// rounding of halves to even; every caption is 4 GBK bytes.
TEST(CardLayout, FourLayoutsByTheTableOfPositions)
{
    const CardControl hidden { false, 0, 0, -1 };
    const std::vector<Expected> cases {
        { "three columns", { kName, kPicture, kMemo }, 229, 687, 82, 426, 799, { true, 10, 209, 0 },
            { true, 239, 438, 2 }, { true, 697, 289, 1 } },
        { "name and picture", { kName, kPicture }, std::nullopt, 458, 207, -1, 685, { true, 80, 298, 0 }, hidden,
            { true, 468, 518, 1 } },
        { "picture and description", { kPicture, kMemo }, std::nullopt, 687, -1, 312, 799, hidden, { true, 10, 667, 1 },
            { true, 697, 289, 0 } },
        { "name and description", { kName, kMemo }, 305, std::nullopt, 131, 608, -1, { true, 80, 145, 0 },
            { true, 315, 671, 1 }, hidden },
    };
    for (const Expected &c : cases) {
        SCOPED_TRACE(c.layout);
        const std::optional<CardLayout> layout = cardLayout(c.fields, 0, 996);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->nameSeparator, c.nameLine);
        EXPECT_EQ(layout->pictureSeparator, c.pictureLine);
        const FieldDef *name = &c.fields[0];
        const FieldDef *second = &c.fields[1];
        const FieldDef *last = &c.fields.back();
        if (c.fields.size() == 3) {
            expectCaption(layout->nameCaption, c.label1, name, "Label1");
            expectCaption(layout->descriptionCaption, c.label2, last, "Label2");
            expectCaption(layout->pictureCaption, c.label3, second, "Label3");
        } else if (c.fields[0].type == FieldType::Graphic) {
            expectCaption(layout->descriptionCaption, c.label2, second, "Label2");
            expectCaption(layout->pictureCaption, c.label3, name, "Label3");
        } else {
            expectCaption(layout->nameCaption, c.label1, name, "Label1");
            expectCaption(layout->descriptionCaption, c.label2, second, "Label2");
            expectCaption(layout->pictureCaption, c.label3, second, "Label3");
        }
        expectControl(layout->edit, c.edit, "DBEdit1");
        expectControl(layout->memo, c.memo, "DBMemo1");
        expectControl(layout->image, c.image, "DBImage1");
    }
}

TEST(CardLayout, CaptionsCentreByGbkBytesAndFollowTheBorder)
{
    // "规格A" is 5 GBK bytes: half of it rounds to 2 (halves to even).
    const FieldDef sizeField { "规格A", FieldType::Text, 20 };
    const std::optional<CardLayout> layout = cardLayout({ sizeField, kMemo }, 4, 996);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->nameSeparator, 4 + 305);
    EXPECT_EQ(layout->nameCaption.left, 153 + 4 - 2 - 20);
    EXPECT_EQ(layout->edit.left, 84);
    EXPECT_EQ(layout->memo.width, 996 + 4 - 309 - 20);
}

TEST(CardLayout, OtherFieldCountsGetNoLayout)
{
    EXPECT_FALSE(cardLayout({ kName }, 0, 996));
    EXPECT_FALSE(cardLayout({ kName, kPicture, kMemo, kName }, 0, 996));
    EXPECT_FALSE(cardLayout({}, 0, 996));
}

class CardRecord : public ::testing::Test {
protected:
    static std::string png()
    {
        QImage image(4, 3, QImage::Format_RGB32);
        image.fill(Qt::red);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes.toStdString();
    }

    // A table of the fields with one record of the values ("" for empty).
    store::Table &cards(const std::vector<FieldDef> &fields, const std::vector<std::string> &values)
    {
        const std::string name = "t" + std::to_string(m_tables++);
        store::Table::create(temp.path(), name, fields);
        m_table = std::make_unique<store::Table>();
        m_table->setPath(temp.path(), name);
        m_table->open();
        m_table->append();
        for (size_t f = 0; f < fields.size(); ++f) {
            if (values[f].empty())
                continue;
            if (fields[f].type == FieldType::Graphic)
                m_table->setValue(static_cast<int>(f), store::Value::bytes(values[f]));
            else
                m_table->setText(static_cast<int>(f), values[f]);
        }
        m_table->post();
        m_table->first();
        return *m_table;
    }

    test::TempDir temp;
    std::unique_ptr<store::Table> m_table;
    int m_tables = 0;
};

TEST_F(CardRecord, PictureFieldFallsBackToTheOtherGraphicField)
{
    const FieldDef second { "附图二", FieldType::Graphic, 0 };
    EXPECT_EQ(cardPictureField(cards({ kName, kPicture, kMemo }, { "a", png(), "b" })), 1);
    EXPECT_EQ(cardPictureField(cards({ kName, kPicture, second }, { "a", "", png() })), 2);
    EXPECT_EQ(cardPictureField(cards({ kName, kPicture, kMemo }, { "a", "", "b" })), -1);
    EXPECT_EQ(cardPictureField(cards({ kName, kPicture }, { "a", png() })), 1);
    EXPECT_EQ(cardPictureField(cards({ kPicture, kMemo }, { png(), "b" })), 0);
    EXPECT_EQ(cardPictureField(cards({ kName, kMemo }, { "a", "b" })), -1);
    const FieldDef note { "备注", FieldType::Text, 20 };
    EXPECT_EQ(cardPictureField(cards({ kName, kPicture, kMemo, note }, { "a", png(), "b", "c" })), -1);
}

TEST_F(CardRecord, TextSkipsPicturesAndEmptyFields)
{
    const std::string rule(50, '=');
    const std::string blank(24, ' ');
    EXPECT_EQ(cardText(cards({ kName, kPicture, kMemo }, { "支承钉", png(), "平头\n第二行" })),
        rule + "\n名称:支承钉\n描述:平头\n第二行\n" + blank);
    EXPECT_EQ(cardText(cards({ kName, kMemo }, { "定位销", "" })), rule + "\n名称:定位销\n" + blank);
    EXPECT_EQ(cardText(cards({ kName, kMemo }, { "", "" })), rule + "\n" + blank);
}

} // namespace
} // namespace holvane::pages
