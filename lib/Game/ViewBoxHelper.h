#pragma once

#include <string>
#include <vector>

#include "geometry/Rect.h"

namespace CFG
{
class InfoParser;
} // namespace CFG

namespace GameHelper
{
// A screen box given by a configuration key as four percents of the window (x, y, width, height),
// and the same box in pixels for the window size last given.
class ViewBoxHelper
{
public:
    // A null parser reads the global configuration.
    ViewBoxHelper(const std::string& key, const CFG::InfoParser* parser);
    ViewBoxHelper();
    virtual ~ViewBoxHelper() = default;

    // Missing numbers read 0 and numbers past the fourth are ignored.
    virtual void init(const std::string& key, const CFG::InfoParser* parser);
    virtual void setScreenSize(int width, int height);
    virtual void getScreenSize(int& width, int& height) const;
    // flip: y is measured from the opposite edge of the window.
    virtual void setPos(int x, int y, bool flip);
    virtual void setBoxPercents(int x, int y, int width, int height, bool flip);
    virtual void getBoxPercents(int& x, int& y, int& width, int& height, bool flip) const;
    virtual const Geom::Rect<int>& getViewBox() const;

private:
    std::vector<int> percents;
    int screenWidth;
    int screenHeight;
    Geom::Rect<int> viewBox;
};
} // namespace GameHelper
