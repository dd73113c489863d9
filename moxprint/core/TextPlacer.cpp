// Text placing. A call runs its embedded flags first (one-call flags are undone afterwards),
// drops the frame for the frameless forms, then lays out text objects until the text is placed.
// Text left over by an object continues at the top of the next page as a free-bottom text; an
// object that takes nothing on a fresh page ends the call, so no text can break pages forever.
#include "moxprint/core/TextPlacer.h"

#include "moxprint/core/EmbeddedFlags.h"
#include "moxprint/core/LayoutFont.h"
#include "moxprint/core/MoxFailure.h"
#include "moxprint/core/SpecialValues.h"
#include "moxprint/core/TextBreaker.h"

#include <algorithm>

namespace {

bool Rotated(uint16_t rotation) { return rotation == 900 || rotation == 2700; }

bool Flows(AutoBreakMode mode)
{
    return mode == AutoBreakMode::On || mode == AutoBreakMode::Full;
}

std::string WithoutCarriageReturns(std::string_view text)
{
    std::string stripped;
    stripped.reserve(text.size());
    for (char c : text)
        if (c != '\r')
            stripped.push_back(c);
    return stripped;
}

// An object that takes no text: a free right becomes the left, a free bottom the top.
void TakeNothing(MoxTextObject& object, MoxRect& requested)
{
    object.text.clear();
    if (object.rect.right == MOX_FREE)
        object.rect.right = object.rect.left;
    if (object.rect.bottom == MOX_FREE)
        object.rect.bottom = object.rect.top;
    requested.bottom = object.rect.bottom;
}

// The attribute changes of one call: its embedded flags (undone when they are one-call flags)
// and no pen for the frameless forms.
class CallAttributes {
public:
    CallAttributes(MoxDocument& document, std::string_view text, bool framed)
        : document_(document)
    {
        const MoxAttributes before = document.attributes;
        const EmbeddedFlags flags = ApplyEmbeddedFlags(text, document.attributes);
        oneCall_ = flags.oneCall;
        if (oneCall_)
            document.savedAttributes = before;
        body_ = WithoutCarriageReturns(text.substr(flags.textStart));
        penSize_ = document.attributes.penSize;
        if (!framed)
            document.attributes.penSize = 0;
    }
    ~CallAttributes()
    {
        document_.attributes.penSize = penSize_;
        if (oneCall_)
            document_.attributes = document_.savedAttributes;
    }
    CallAttributes(const CallAttributes&) = delete;
    CallAttributes& operator=(const CallAttributes&) = delete;

    const std::string& Body() const { return body_; }

private:
    MoxDocument& document_;
    bool oneCall_ = false;
    uint16_t penSize_ = 0;
    std::string body_;
};

std::unique_ptr<MoxTextObject> NewTextObject(MoxDocument& document, const MoxRect& requested)
{
    auto object = std::make_unique<MoxTextObject>();
    object->TakeTextAttributes(document.attributes);
    object->rect = NormalizedRect(document.Resolve(requested));
    return object;
}

} // namespace

TextLayoutOutcome LayOutTextObject(MoxTextObject& object, MoxRect& requested,
                                   std::string_view text, size_t from, const MoxPage& page,
                                   AutoBreakMode mode)
{
    TextLayoutOutcome outcome;
    outcome.remainder = from;
    MoxRect& o = object.rect;
    const int32_t marginBottom = page.outRect.bottom;
    const bool nonEmpty = from < text.size();

    if (Flows(mode) && o.top >= marginBottom) {
        TakeNothing(object, requested);
        outcome.tookNothing = nonEmpty;
        return outcome;
    }
    if (mode != AutoBreakMode::NoLimits && o.bottom != MOX_FREE && o.top < marginBottom &&
        marginBottom < o.bottom) {
        requested.bottom = MOX_FREE;
        outcome.crossedMargin = true;
    }
    const bool rightFree = requested.right == MOX_FREE || o.right == MOX_FREE;
    const bool bottomFree = requested.bottom == MOX_FREE || o.bottom == MOX_FREE;
    if (!rightFree && !bottomFree) {
        // A fixed rectangle takes all the text; what does not fit is clipped when drawn.
        object.text = std::string(text.substr(from));
        outcome.remainder = text.size();
        requested.bottom = o.bottom;
        return outcome;
    }

    const auto drop = [&] {
        TakeNothing(object, requested);
        outcome.remainder = text.size();
        return outcome;
    };
    int32_t rightLimit = page.outRect.right;
    if (o.left >= rightLimit) {
        rightLimit = page.width;
        if (o.left > page.width)
            return drop();
    }
    int32_t bottomLimit = marginBottom;
    if (o.top >= marginBottom) {
        bottomLimit = page.height;
        if (!bottomFree && o.bottom > page.height)
            return drop();
    }

    const bool rotated = Rotated(object.rotation);
    MeasureRequest request;
    request.height = bottomFree ? (rotated ? rightLimit - o.left : bottomLimit - o.top)
                                : o.bottom - o.top;
    request.width = rightFree ? (rotated ? bottomLimit - o.top : rightLimit - o.left)
                              : o.right - o.left;
    request.penSize = object.pen.size;
    request.noHeightLimit = mode == AutoBreakMode::NoLimits;
    request.rightFree = rightFree;

    const auto font = LayoutFont::Get(object.fontName.Text(), object.fontSize,
                                      object.styleFlags & TextBold,
                                      object.styleFlags & TextItalic);
    if (!font)
        return drop();
    const std::string_view rest = text.substr(from);
    const MeasureResult measured = MeasureText(*font, rest, request);

    if (measured.nothingFits) {
        object.text.clear();
        outcome.tookNothing = true;
    } else if (measured.remainder < rest.size()) {
        std::string taken(rest.substr(0, measured.remainder));
        if (object.alignment == AlignJustified) {
            object.alignment = AlignJustifiedAll;
            while (!taken.empty() && taken.back() == ' ')
                taken.pop_back();
        }
        object.text = std::move(taken);
        outcome.remainder = from + measured.remainder;
        outcome.cut = true;
    } else {
        object.text = std::string(rest);
        outcome.remainder = text.size();
    }

    if (rotated) {
        o.bottom = o.top + measured.usedWidth;
        if (rightFree)
            o.right = o.left + measured.usedHeight;
    } else {
        o.bottom = o.top + measured.usedHeight;
        if (rightFree)
            o.right = o.left + measured.usedWidth;
    }
    requested.bottom = o.bottom;
    return outcome;
}

int32_t PlaceText(MoxDocument& document, MoxRect requested, const char* text, bool framed)
{
    if (!text)
        Fail(MOX_ERROR_ARGUMENT);
    CallAttributes call(document, text, framed);
    const std::string& body = call.Body();
    const AutoBreakMode mode = document.attributes.autoBreak;
    size_t position = 0;
    bool freshPage = false;
    for (;;) {
        auto object = NewTextObject(document, requested);
        const TextLayoutOutcome outcome = LayOutTextObject(*object, requested, body, position,
                                                           document.CurrentPage(), mode);
        if (!outcome.tookNothing)
            document.InsertObject(std::move(object));
        position = outcome.remainder;
        if (position >= body.size() || !Flows(mode))
            break;
        // Nothing fits even at the top of a new page (a font taller than the page): stop.
        if (outcome.tookNothing && freshPage)
            break;
        // The rest continues on the next page, also after a fixed rectangle, so that no part
        // of the text is laid out twice into the same place.
        document.AutoPageBreak();
        freshPage = true;
        const MoxRect& out = document.CurrentPage().outRect;
        requested.top = out.top;
        requested.bottom = MOX_FREE;
        if (mode == AutoBreakMode::Full) {
            requested.left = out.left;
            requested.right = out.right;
        }
    }
    return requested.bottom;
}

int RenderText(MoxDocument& document, MoxRect requested, const char* text, bool framed)
{
    if (!text)
        Fail(MOX_ERROR_ARGUMENT);
    CallAttributes call(document, text, framed);
    const std::string& body = call.Body();
    auto object = NewTextObject(document, requested);
    const TextLayoutOutcome outcome = LayOutTextObject(*object, requested, body, 0,
                                                       document.CurrentPage(),
                                                       document.attributes.autoBreak);
    MoxPage& page = document.CurrentPage();
    page.renderWidth = object->rect.right - object->rect.left;
    page.renderHeight = object->rect.bottom - object->rect.top;
    if (outcome.tookNothing)
        return 2;
    return outcome.remainder < body.size() ? 1 : 0;
}

int DefineRunningText(MoxDocument& document, MoxRect requested, const char* text, bool header)
{
    if (!text)
        Fail(MOX_ERROR_ARGUMENT);
    std::unique_ptr<MoxRunningText>& slot = header ? document.header : document.footer;
    if (slot)
        return 0;
    CallAttributes call(document, text, true);
    auto running = std::make_unique<MoxRunningText>();
    running->text = call.Body();
    running->prepared = NewTextObject(document, requested);
    MoxRect& rect = running->prepared->rect;
    if (rect.right == MOX_FREE || rect.bottom == MOX_FREE) {
        // A free edge of a header is worked out once, from its text on this page, so that the
        // prepared rectangle is a real one on every page.
        MoxTextObject measured = *running->prepared;
        MoxRect caller = requested;
        std::string sample = running->text;
        if (const size_t field = sample.find("@PAGE"); field != std::string::npos)
            sample.replace(field, 5, std::to_string(document.CurrentPageNumber()));
        LayOutTextObject(measured, caller, sample, 0, document.CurrentPage(),
                         AutoBreakMode::NoLimits);
        rect = measured.rect;
    }
    slot = std::move(running);
    document.PlaceRunningText(*slot);
    return 1;
}
