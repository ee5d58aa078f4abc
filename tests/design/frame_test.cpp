#include "designfixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace holvane::test {
namespace {

class Frame : public DesignFixture { };

// Types text as key presses, Chinese characters included.
void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

struct WidthCase {
    const char *field;
    QString fits; // what the field takes whole
    QString beyond; // one character more does not fit
};

// The task fields take 40 GBK bytes, a Chinese character counting two; what
// does not fit is refused whole, never cut.
TEST_F(Frame, TaskFieldsTakeTheirWidthInGbkBytes)
{
    open("TF_Tanxingpan");
    for (const WidthCase &c : { WidthCase { "EDTrwh", QString(40, QLatin1Char('a')), QStringLiteral("b") },
             WidthCase { "Edtrwm", QString(20, QChar(0x5939)), QStringLiteral("a") },
             WidthCase { "EdtSjz", QString(39, QLatin1Char('a')), QStringLiteral("夹") } }) {
        SCOPED_TRACE(c.field);
        auto *line = part<QLineEdit>(c.field);
        line->clear();
        line->insert(c.fits);
        EXPECT_EQ(line->text(), c.fits);
        type(line, c.beyond);
        EXPECT_EQ(line->text(), c.fits);
        line->clear();
        line->insert(c.fits + c.beyond);
        EXPECT_EQ(line->text(), QString());
    }
}

} // namespace
} // namespace holvane::test
