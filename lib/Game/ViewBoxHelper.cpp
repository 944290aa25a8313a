#include "Game/ViewBoxHelper.h"

#include "CFG/CFG.h"
#include "CFG/InfoParser.h"
#include "util/NumUtil.h"

namespace GameHelper
{
ViewBoxHelper::ViewBoxHelper(const std::string& key, const CFG::InfoParser* parser)
    : percents(4, 0), screenWidth(0), screenHeight(0), viewBox{0, 0, 0, 0}
{
    init(key, parser);
}

ViewBoxHelper::ViewBoxHelper() : percents(4, 0), screenWidth(0), screenHeight(0), viewBox{0, 0, 0, 0} {}

void ViewBoxHelper::init(const std::string& key, const CFG::InfoParser* parser)
{
    percents.clear();
    if (!parser)
        parser = CFG::parser();
    parser->getNumbers<int>(key, percents, ",", false);
    percents.resize(4, 0);
    setScreenSize(screenWidth, screenHeight);
}

void ViewBoxHelper::setScreenSize(int width, int height)
{
    viewBox.x = Util::PERCENT_OF(percents[0], width);
    viewBox.y = Util::PERCENT_OF(percents[1], height);
    viewBox.w = Util::PERCENT_OF(percents[2], width);
    viewBox.h = Util::PERCENT_OF(percents[3], height);
    screenWidth = width;
    screenHeight = height;
}

void ViewBoxHelper::getScreenSize(int& width, int& height) const
{
    width = screenWidth;
    height = screenHeight;
}

void ViewBoxHelper::setPos(int x, int y, bool flip)
{
    setBoxPercents(x, y, percents[2], percents[3], flip);
}

void ViewBoxHelper::setBoxPercents(int x, int y, int width, int height, bool flip)
{
    percents[0] = x;
    percents[1] = flip ? 100 - y - height : y;
    percents[2] = width;
    percents[3] = height;
    setScreenSize(screenWidth, screenHeight);
}

void ViewBoxHelper::getBoxPercents(int& x, int& y, int& width, int& height, bool flip) const
{
    x = percents[0];
    y = flip ? 100 - percents[1] - percents[3] : percents[1];
    width = percents[2];
    height = percents[3];
}

const Geom::Rect<int>& ViewBoxHelper::getViewBox() const
{
    return viewBox;
}
} // namespace GameHelper
