#pragma once

#include "store/fielddef.h"

#include <QString>
#include <optional>
#include <vector>

namespace holvane::pages {

// Where one of a card's data controls stands (pixels from the card's left
// edge) and which field it shows.
struct CardControl {
    bool visible = false;
    int left = 0;
    int width = 0;
    int field = -1;
};

// A column caption of the header band: the field's name at its left.
struct CardCaption {
    bool visible = false;
    QString text;
    int left = 0;
};

// The columns of a record-card table, chosen by its fields: name, picture
// and description (three fields), or two of them. The separators' positions
// hold for the card and the header band alike.
struct CardLayout {
    std::optional<int> nameSeparator; // Shape2, Shape5
    std::optional<int> pictureSeparator; // Shape3, Shape6
    CardCaption nameCaption; // Label1
    CardCaption descriptionCaption; // Label2
    CardCaption pictureCaption; // Label3
    CardControl edit; // DBEdit1
    CardControl memo; // DBMemo1
    CardControl image; // DBImage1
};

// The layout for a table's fields on a card whose border starts at
// `cardLeft` and is `cardWidth` wide; none for a table of another field
// count. Positions round halves to even; a caption is centred by its length
// in GBK bytes.
std::optional<CardLayout> cardLayout(const std::vector<store::FieldDef> &fields, int cardLeft, int cardWidth);

} // namespace holvane::pages
