#include "pages/cardrecord.h"

#include "store/cursor.h"
#include "store/fieldvalue.h"

namespace holvane::pages {

namespace {

bool holdsPicture(const store::Cursor &cards, int field)
{
    return cards.field(field).type == store::FieldType::Graphic && !cards.value(field).rawBytes().empty();
}

} // namespace

int cardPictureField(const store::Cursor &cards)
{
    if (cards.recNo() < 0)
        return -1;
    int second = 0;
    if (cards.fieldCount() == 3)
        second = 2;
    else if (cards.fieldCount() != 2)
        return -1;
    if (holdsPicture(cards, 1))
        return 1;
    return holdsPicture(cards, second) ? second : -1;
}

std::string cardText(const store::Cursor &cards)
{
    std::string out(50, '=');
    out += '\n';
    for (int f = 0; f < cards.fieldCount(); ++f) {
        const store::FieldDef &field = cards.field(f);
        if (field.type == store::FieldType::Graphic)
            continue;
        const std::string value = store::valueToText(field, cards.value(f));
        if (!value.empty())
            out += field.name + ":" + value + "\n";
    }
    out += std::string(24, ' ');
    return out;
}

} // namespace holvane::pages
