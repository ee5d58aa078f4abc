#include "app/screenscaling.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace holvane::app {

QSize scaledWindowSize(QSize stored, QSize screen)
{
    if (screen.width() == kDesignScreenWidth)
        return stored;
    return {screen.width() * stored.width() / kDesignScreenWidth,
            screen.height() * stored.height() / kDesignScreenHeight};
}

int scaledFontPixels(int pixels, int screenWidth)
{
    return pixels * screenWidth / kDesignScreenWidth;
}

void ScreenScaling(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize size = screen->size();
    if (size.width() == kDesignScreenWidth)
        return;
    window.resize(scaledWindowSize(window.size(), size));
    QFont font = window.font();
    if (font.pixelSize() > 0) {
        font.setPixelSize(scaledFontPixels(font.pixelSize(), size.width()));
        window.setFont(font);
    }
}

} // namespace holvane::app
