#pragma once

#include <QValidator>

namespace holvane::query {

// Limits an input box to a number of GBK bytes (a Chinese character counts
// two), the width of the table field it feeds, so nothing typed is cut later.
class GbkLengthValidator : public QValidator {
    Q_OBJECT
public:
    GbkLengthValidator(int maxBytes, QObject *parent)
        : QValidator(parent)
        , m_maxBytes(maxBytes)
    {
    }
    State validate(QString &input, int &pos) const override;

private:
    int m_maxBytes;
};

} // namespace holvane::query
