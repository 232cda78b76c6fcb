#include "print/PageLayout.h"

#include <tuple>

namespace miravel {

bool operator==(const PageText& a, const PageText& b)
{
    return std::tie(a.x, a.y, a.text, a.font, a.points, a.color) == std::tie(b.x, b.y, b.text, b.font, b.points, b.color);
}

bool operator==(const PageLine& a, const PageLine& b)
{
    return std::tie(a.x1, a.y1, a.x2, a.y2, a.width, a.dotted, a.color)
           == std::tie(b.x1, b.y1, b.x2, b.y2, b.width, b.dotted, b.color);
}

bool operator==(const PageRect& a, const PageRect& b)
{
    return std::tie(a.x1, a.y1, a.x2, a.y2, a.width, a.outline, a.filled, a.fill)
           == std::tie(b.x1, b.y1, b.x2, b.y2, b.width, b.outline, b.filled, b.fill);
}

} // namespace miravel
