#include "app/pageregistry.h"

namespace holvane::app {

namespace {

template <typename Map, typename Key>
const typename Map::mapped_type *lookup(const Map &map, const Key &key)
{
    const auto it = map.find(key);
    return it == map.end() ? nullptr : &it->second;
}

} // namespace

void PageRegistry::registerFrame(int code, FrameFactory factory)
{
    m_frames[code] = std::move(factory);
}

void PageRegistry::registerWindow(int code, WindowFactory factory)
{
    m_windows[code] = std::move(factory);
}

void PageRegistry::registerCalculator(const std::string &window, WindowFactory factory)
{
    m_calculators[window] = std::move(factory);
}

const PageRegistry::FrameFactory *PageRegistry::frame(int code) const
{
    return lookup(m_frames, code);
}

const PageRegistry::WindowFactory *PageRegistry::window(int code) const
{
    return lookup(m_windows, code);
}

const PageRegistry::WindowFactory *PageRegistry::calculator(const std::string &window) const
{
    return lookup(m_calculators, window);
}

} // namespace holvane::app
