#include "designfixture.h"
#include "design/designregistration.h"
#include "app/tmainform.h"
#include <QApplication>
#include <QTest>
namespace holvane::test {
class Grab : public DesignFixture {};
TEST_F(Grab, Windows)
{
    // copy the real content's sjdata over the fixture's
    for (auto &e : std::filesystem::directory_iterator("/tmp/pk10/AppDir/sjdata"))
        std::filesystem::copy(e.path(), appDir / "sjdata" / e.path().filename(), std::filesystem::copy_options::overwrite_existing);
    app::registerAliases(context().aliases(), appDir);
    design::registerDesignCalculators(context().pages());
    window().resize(1024, 740);
    window().openCalculatorFromMenu("TF_Jiajinli");
    QApplication::processEvents();
    window().grab().save("/tmp/g_jj_task.png");
    QWidget *c = window().calculatorWindow();
    c->findChild<QAbstractButton *>("BitBtn1")->click();
    QApplication::processEvents();
    c->findChild<QAbstractButton *>("SpeedButton2")->click();
    QApplication::processEvents();
    window().grab().save("/tmp/g_jj_stage.png");
    window().openCalculatorFromMenu("TF_Xiexiejiajin");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    c = window().calculatorWindow();
    c->findChild<QAbstractButton *>("BitBtn1")->click();
    window().grab().save("/tmp/g_xx_task.png");
    c->findChild<QAbstractButton *>("SpeedButton8")->click();
    c->findChild<QAbstractButton *>("SpeedButton9")->click();
    QApplication::processEvents();
    window().grab().save("/tmp/g_xx_q.png");
    c->findChild<QAbstractButton *>("SpeedButton8")->click();
    c->findChild<QAbstractButton *>("SButton1")->click();
    c->findChild<QAbstractButton *>("SpeedButton3")->click();
    QApplication::processEvents();
    window().grab().save("/tmp/g_xx_mq.png");
    for (auto m : messageTexts()) printf("MSG %s\n", m.toUtf8().constData());
}
}
