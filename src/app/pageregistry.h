#pragma once

#include <QString>
#include <functional>
#include <map>
#include <string>

class QWidget;

namespace holvane::app {

class AppContext;
class PageFrame;

// Where the page frames and the calculator windows plug into ShowPage. Each
// later window registers its factory here once, at start-up (registerPages()
// in the program entry); ShowPage shows an empty page or a placeholder for
// anything not registered.
class PageRegistry {
public:
    // Builds a frame inside `host` (its notebook page's panel).
    using FrameFactory = std::function<PageFrame *(AppContext &, QWidget *host)>;
    // Builds a top-level window; `owner` is the main window.
    using WindowFactory = std::function<QWidget *(AppContext &, QWidget *owner)>;

    // A frame for page codes: 211 and 213 (table page, rebuilt per page),
    // 212 and 312 (record cards, rebuilt per page), 1 (curve reader, built
    // once and loaded per page).
    void registerFrame(int code, FrameFactory factory);
    // The window opened by page code 8 (a new one each time).
    void registerWindow(int code, WindowFactory factory);
    // A design calculator by its window class name ("TF_Jiajinli"); see the
    // calculator key table.
    void registerCalculator(const std::string &window, WindowFactory factory);

    const FrameFactory *frame(int code) const;
    const WindowFactory *window(int code) const;
    const WindowFactory *calculator(const std::string &window) const;

private:
    std::map<int, FrameFactory> m_frames;
    std::map<int, WindowFactory> m_windows;
    std::map<std::string, WindowFactory> m_calculators;
};

} // namespace holvane::app
