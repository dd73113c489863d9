#include "moxprint/core/SpecialValues.h"

#include "moxprint/core/MoxPage.h"

#include <utility>

namespace {

// The edge a selector names, as a pointer into the page (const or not); null for none.
template <class Page>
auto HorizontalEdge(Page& page, int32_t value) -> decltype(&page.lastRect.left)
{
    switch (value) {
    case MOX_LAST_LEFT: return &page.lastRect.left;
    case MOX_LAST_RIGHT: return &page.lastRect.right;
    case MOX_OUT_LEFT: return &page.outRect.left;
    case MOX_OUT_RIGHT: return &page.outRect.right;
    default: return nullptr;
    }
}

template <class Page>
auto VerticalEdge(Page& page, int32_t value) -> decltype(&page.lastRect.left)
{
    switch (value) {
    case MOX_LAST_TOP: return &page.lastRect.top;
    case MOX_LAST_BOTTOM: return &page.lastRect.bottom;
    case MOX_OUT_TOP: return &page.outRect.top;
    case MOX_OUT_BOTTOM: return &page.outRect.bottom;
    default: return nullptr;
    }
}

template <class Page>
auto Edge(Page& page, int32_t selector) -> decltype(&page.lastRect.left)
{
    if (auto edge = HorizontalEdge(page, selector))
        return edge;
    return VerticalEdge(page, selector);
}

// The start coordinate (left or top): an edge, MOX_FREE, a plain value, or relative to the end
// coordinate as passed.
template <class EdgeOf>
int32_t ResolveStart(int32_t value, int32_t endAsPassed, const MoxPage& page, EdgeOf edgeOf)
{
    if (value >= 0 || value == MOX_FREE)
        return value;
    if (const int32_t* edge = edgeOf(page, value))
        return *edge;
    return WrapAdd(endAsPassed, value);
}

// The end coordinate (right or bottom): an edge, MOX_FREE, a plain value, or the resolved start
// coordinate plus a size.
template <class EdgeOf>
int32_t ResolveEnd(int32_t value, int32_t start, const MoxPage& page, EdgeOf edgeOf)
{
    if (value >= 0 || value == MOX_FREE)
        return value;
    if (const int32_t* edge = edgeOf(page, value))
        return *edge;
    return WrapSub(start, value);
}

}  // namespace

MoxRect ResolveRect(const MoxRect& requested, const MoxPage& page)
{
    MoxRect r;
    r.left = ResolveStart(requested.left, requested.right, page, HorizontalEdge<const MoxPage>);
    r.right = ResolveEnd(requested.right, r.left, page, HorizontalEdge<const MoxPage>);
    r.top = ResolveStart(requested.top, requested.bottom, page, VerticalEdge<const MoxPage>);
    r.bottom = ResolveEnd(requested.bottom, r.top, page, VerticalEdge<const MoxPage>);
    return r;
}

MoxRect NormalizedRect(MoxRect rect)
{
    if (rect.left != MOX_FREE && rect.right != MOX_FREE && rect.left > rect.right)
        std::swap(rect.left, rect.right);
    if (rect.top != MOX_FREE && rect.bottom != MOX_FREE && rect.top > rect.bottom)
        std::swap(rect.top, rect.bottom);
    return rect;
}

int32_t SelectorValue(const MoxPage& page, int32_t selector)
{
    switch (selector) {
    case MOX_LAST_WIDTH: return WrapSub(page.lastRect.right, page.lastRect.left);
    case MOX_LAST_HEIGHT: return WrapSub(page.lastRect.bottom, page.lastRect.top);
    case MOX_RENDER_WIDTH: return page.renderWidth;
    case MOX_RENDER_HEIGHT: return page.renderHeight;
    default: break;
    }
    const int32_t* edge = Edge(page, selector);
    return edge ? *edge : 0;
}

bool SetSelectorValue(MoxPage& page, int32_t selector, int32_t value)
{
    switch (selector) {
    case MOX_RENDER_WIDTH: page.renderWidth = value; return true;
    case MOX_RENDER_HEIGHT: page.renderHeight = value; return true;
    default: break;
    }
    int32_t* edge = Edge(page, selector);
    if (!edge)
        return false;
    *edge = value;
    return true;
}
