#include "app/tfrm_flash.h"
#include "appfixture.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace holvane::test {
namespace {

// Runs on a 1280 x 1024 screen (see CMakeLists.txt).
class Scaling : public AppFixture {};

TEST_F(Scaling, WindowsAreScaledFromTheirDesignSize)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(1280, 1024));
    app::AppContext &ctx = context();
    app::TMainForm form(ctx);
    // 1024 x 738 as laid out: 1280*1024/1024 by 1024*738/768.
    EXPECT_EQ(form.size(), QSize(1280, 984));
    EXPECT_EQ(form.font().pixelSize(), 20);
    app::Tfrm_flash splash;
    EXPECT_EQ(splash.size(), QSize(501, 400));
}

} // namespace
} // namespace holvane::test
