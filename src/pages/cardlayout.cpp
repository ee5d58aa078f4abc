#include "pages/cardlayout.h"

#include "text/gbk.h"

#include <cmath>

namespace holvane::pages {

namespace {

// The nearest integer, halves to even (the default rounding mode).
int r(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

CardCaption caption(const store::FieldDef &field, int left)
{
    return { true, QString::fromStdString(field.name), left };
}

int halfLength(const store::FieldDef &field)
{
    return r(static_cast<double>(text::gbkLength(field.name)) / 2);
}

} // namespace

std::optional<CardLayout> cardLayout(const std::vector<store::FieldDef> &fields, int cardLeft, int cardWidth)
{
    const int L = cardLeft;
    const double w = cardWidth - 80;
    CardLayout layout;
    const auto picture = [&](int separator, int field) {
        layout.image = { true, separator + 10, cardWidth + L - separator - 20, field };
    };
    if (fields.size() == 3) {
        const int s2 = L + r(w / 4);
        const int s3 = s2 + r(w / 2);
        layout.nameSeparator = s2;
        layout.pictureSeparator = s3;
        layout.nameCaption = caption(fields[0], r(w / 8) + L - halfLength(fields[0]) - 30);
        layout.descriptionCaption = caption(fields[2], r(w / 4) + s2 - halfLength(fields[2]) - 30);
        layout.pictureCaption = caption(fields[1], r(w / 8) + s3 - halfLength(fields[1]));
        layout.edit = { true, L + 10, s2 - L - 20, 0 };
        layout.memo = { true, s2 + 10, s3 - s2 - 20, 2 };
        picture(s3, 1);
        return layout;
    }
    if (fields.size() != 2)
        return std::nullopt;
    if (fields[1].type != store::FieldType::Memo) {
        const int s3 = L + r(w / 2);
        layout.pictureSeparator = s3;
        layout.nameCaption = caption(fields[0], r(w / 4) + L - halfLength(fields[0]) - 20);
        layout.pictureCaption = caption(fields[1], r(w / 4) + s3 - halfLength(fields[1]));
        layout.edit = { true, L + 80, s3 - L - 160, 0 };
        picture(s3, 1);
    } else if (fields[0].type == store::FieldType::Graphic) {
        const int s3 = L + r(3 * w / 4);
        layout.pictureSeparator = s3;
        layout.descriptionCaption = caption(fields[1], r(3 * w / 8) + L - halfLength(fields[1]) - 30);
        layout.pictureCaption = caption(fields[0], r(w / 8) + s3 - halfLength(fields[0]));
        layout.memo = { true, L + 10, s3 - L - 20, 1 };
        picture(s3, 0);
    } else {
        const int s2 = L + r(w / 3);
        layout.nameSeparator = s2;
        layout.nameCaption = caption(fields[0], r(w / 6) + L - halfLength(fields[0]) - 20);
        layout.descriptionCaption = caption(fields[1], r(w / 3) + s2 - halfLength(fields[1]));
        layout.edit = { true, L + 80, s2 - L - 160, 0 };
        layout.memo = { true, s2 + 10, cardWidth + L - s2 - 20, 1 };
    }
    return layout;
}

} // namespace holvane::pages
