#include "platform/x11/MessageWindow.h"

#include "platform/Font.h"
#include "platform/FontMetrics.h"
#include "platform/PlatformError.h"
#include "platform/render/Clip.h"
#include "platform/render/FramebufferLimits.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <array>

namespace platform::x11 {

namespace {

// Motif hints: a title, a border and a system menu; moving and closing, but
// no resizing, minimising or maximising.
struct MotifHints {
    unsigned long flags;
    unsigned long functions;
    unsigned long decorations;
    long inputMode;
    unsigned long status;
};

constexpr unsigned long motifFunctions = 1;
constexpr unsigned long motifDecorations = 2;
constexpr unsigned long motifMove = 1 << 2;
constexpr unsigned long motifClose = 1 << 5;
constexpr unsigned long motifBorder = 1 << 1;
constexpr unsigned long motifTitle = 1 << 3;
constexpr unsigned long motifMenu = 1 << 4;

BoxKey keyOf(XKeyEvent& event)
{
    KeySym symbol = NoSymbol;
    std::array<char, 16> typed{};
    ::XLookupString(&event, typed.data(), static_cast<int>(typed.size()), &symbol, nullptr);
    switch (symbol) {
    case XK_Return:
    case XK_KP_Enter:
    case XK_space:
    case XK_KP_Space:
        return BoxKey::activate;
    case XK_Escape:
        return BoxKey::escape;
    case XK_Tab:
        return (event.state & ShiftMask) ? BoxKey::previous : BoxKey::next;
    case XK_ISO_Left_Tab:
    case XK_Left:
    case XK_KP_Left:
        return BoxKey::previous;
    case XK_Right:
    case XK_KP_Right:
        return BoxKey::next;
    default:
        return BoxKey::other;
    }
}

// The text broken into lines and the measures the layout needs.
BoxMeasures measure(const FontMetrics& metrics, const BoxContent& content, std::int32_t dpi, std::int32_t maxHeight)
{
    BoxMeasures measures;
    measures.dpi = dpi;
    measures.lineHeight = metrics.lineHeight();
    measures.lineCount = content.lines.size();
    for (const std::string& line : content.lines)
        measures.textWidth = std::max(measures.textWidth, metrics.textWidth(line));
    const std::span<const ButtonChoice> choices = buttonChoices(content.buttons);
    measures.buttonCount = choices.size();
    for (const ButtonChoice& choice : choices)
        measures.widestLabel = std::max(measures.widestLabel, metrics.textWidth(choice.label));
    measures.maxHeight = maxHeight;
    return measures;
}

} // namespace

MessageWindow::MessageWindow(X11Display& x, ::Window owner, const std::string& caption, const std::string& text,
                             MessageButtons buttons, MessageIcon icon)
    : x_(x)
    , owner_(owner)
{
    const std::int32_t dpi = x_.dpiY();
    const FontMetrics metrics(Font::systemDefault(), dpi);
    content_.buttons = buttons;
    content_.icon = icon;
    content_.lines = wrapText(
        text, [&metrics](std::string_view piece) { return metrics.textWidth(piece); },
        scaled(boxSizes::maxTextWidth, dpi));
    layout_ = layOutBox(measure(metrics, content_, dpi, x_.screenSize().height));

    const Size kept = render::framebufferSizeFor(layout_.client);
    framebuffer_ = render::Framebuffer(kept.width, kept.height, boxColours::band);
    for (std::size_t button = 0; button < layout_.buttons.size(); ++button)
        painted_.push_back(lookOf(button));
    paintBox(framebuffer_, dpi, layout_, content_, painted_);

    create(caption);
}

MessageWindow::~MessageWindow()
{
    x_.removeTarget(window_);
    ::XUnmapWindow(x_.display(), window_);
    ::XDestroyWindow(x_.display(), window_);
    giveFocusBack();
    ::XFlush(x_.display());
}

void MessageWindow::create(const std::string& caption)
{
    const Point position = centredPosition();
    XSetWindowAttributes attributes{};
    attributes.background_pixmap = None; // the framebuffer paints everything
    attributes.bit_gravity = NorthWestGravity;
    attributes.event_mask = ExposureMask | KeyPressMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                            LeaveWindowMask | StructureNotifyMask;
    window_ = ::XCreateWindow(x_.display(), x_.root(), position.x, position.y,
                              static_cast<unsigned int>(std::max(layout_.client.width, 1)),
                              static_cast<unsigned int>(std::max(layout_.client.height, 1)), 0, x_.depth(),
                              InputOutput, x_.visual(), CWBackPixmap | CWBitGravity | CWEventMask, &attributes);
    if (!window_)
        throw PlatformError("Cannot create a message box");
    x_.addTarget(window_, *this);
    describeToWindowManager(caption, position);
}

// Tells the window manager what the box is: a dialog of the owner's, modal
// and above the others, of a fixed size, with a close box only.
void MessageWindow::describeToWindowManager(const std::string& caption, Point position)
{
    ::Display* display = x_.display();
    XClassHint classHint{const_cast<char*>("autoplay"), const_cast<char*>("AutoplayMessage")};
    ::XSetClassHint(display, window_, &classHint);
    x_.setUtf8Property(window_, "WM_NAME", caption);
    x_.setUtf8Property(window_, "_NET_WM_NAME", caption);
    x_.setUtf8Property(window_, "WM_ICON_NAME", caption);
    x_.setUtf8Property(window_, "_NET_WM_ICON_NAME", caption);
    if (owner_)
        ::XSetTransientForHint(display, window_, owner_);

    ::Atom deleteWindow = x_.atom("WM_DELETE_WINDOW");
    ::XSetWMProtocols(display, window_, &deleteWindow, 1);
    ::Atom dialog = x_.atom("_NET_WM_WINDOW_TYPE_DIALOG");
    ::XChangeProperty(display, window_, x_.atom("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(&dialog), 1);
    std::array<::Atom, 2> states{x_.atom("_NET_WM_STATE_MODAL"), x_.atom("_NET_WM_STATE_ABOVE")};
    ::XChangeProperty(display, window_, x_.atom("_NET_WM_STATE"), XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(states.data()), static_cast<int>(states.size()));
    const MotifHints motif{motifFunctions | motifDecorations, motifMove | motifClose,
                           motifBorder | motifTitle | motifMenu, 0, 0};
    ::XChangeProperty(display, window_, x_.atom("_MOTIF_WM_HINTS"), x_.atom("_MOTIF_WM_HINTS"), 32,
                      PropModeReplace, reinterpret_cast<const unsigned char*>(&motif), 5);

    XWMHints wmHints{};
    wmHints.flags = InputHint | StateHint;
    wmHints.input = True;
    wmHints.initial_state = NormalState;
    if (owner_) {
        wmHints.flags |= WindowGroupHint;
        wmHints.window_group = owner_;
    }
    ::XSetWMHints(display, window_, &wmHints);

    XSizeHints* size = ::XAllocSizeHints();
    if (!size)
        return;
    size->flags = PMinSize | PMaxSize | PPosition | USPosition | PWinGravity;
    size->min_width = size->max_width = std::max(layout_.client.width, 1);
    size->min_height = size->max_height = std::max(layout_.client.height, 1);
    size->x = position.x;
    size->y = position.y;
    size->win_gravity = NorthWestGravity;
    ::XSetWMNormalHints(display, window_, size);
    ::XFree(size);
}

// Over the middle of the owner's window when it is shown, else of the
// screen, and kept on the screen.
Point MessageWindow::centredPosition() const
{
    const Size screen = x_.screenSize();
    Rect over{0, 0, screen.width, screen.height};
    XWindowAttributes attributes{};
    if (owner_ && ::XGetWindowAttributes(x_.display(), owner_, &attributes) && attributes.map_state == IsViewable) {
        int left = 0;
        int top = 0;
        ::Window child = 0;
        ::XTranslateCoordinates(x_.display(), owner_, x_.root(), 0, 0, &left, &top, &child);
        over = {left, top, left + attributes.width, top + attributes.height};
    }
    const Size box = layout_.client;
    const auto place = [](std::int32_t start, std::int32_t length, std::int32_t size, std::int32_t screenSize) {
        const std::int32_t centred = start + (length - size) / 2;
        return std::clamp(centred, 0, std::max(screenSize - size, 0));
    };
    return {place(over.left, over.width(), box.width, screen.width),
            place(over.top, over.height(), box.height, screen.height)};
}

void MessageWindow::show()
{
    ::XMapRaised(x_.display(), window_);
    ::XFlush(x_.display());
}

// Setting the focus on a window that is not viewable is an error, so the
// box asks first; it tries again at its first exposure.
void MessageWindow::takeFocus()
{
    if (!focusTaken_)
        focusTaken_ = x_.activate(window_, owner_);
}

// The owner had the focus before the box took it.
void MessageWindow::giveFocusBack()
{
    if (focusTaken_ && owner_ && x_.isViewable(owner_))
        ::XSetInputFocus(x_.display(), owner_, RevertToParent, CurrentTime);
}

void MessageWindow::handleEvent(const XEvent& event)
{
    switch (event.type) {
    case Expose:
        onExpose(event.xexpose);
        break;
    case MapNotify:
        mapped_ = true;
        takeFocus();
        break;
    case UnmapNotify:
        mapped_ = false;
        break;
    case KeyPress:
        onKey(event.xkey);
        break;
    case ButtonPress:
    case ButtonRelease:
        onButton(event.xbutton, event.type == ButtonPress);
        break;
    case MotionNotify:
        onPointer(buttonAt(layout_, {event.xmotion.x, event.xmotion.y}));
        break;
    case LeaveNotify:
        onPointer(std::nullopt);
        break;
    case ClientMessage:
        onClientMessage(event.xclient);
        break;
    default:
        break;
    }
}

// Exposures come in runs; the framebuffer already holds the picture, so the
// union of a run is copied once its last exposure has arrived.
void MessageWindow::onExpose(const XExposeEvent& event)
{
    mapped_ = true;
    exposed_ = render::unite(exposed_, {event.x, event.y, event.x + event.width, event.y + event.height});
    if (event.count > 0)
        return;
    present(exposed_);
    exposed_ = {};
    takeFocus();
}

void MessageWindow::onKey(XKeyEvent event)
{
    const KeyResponse response = respondToKey(keyOf(event), content_.buttons, focus_);
    if (response.answer) {
        answer_ = response.answer;
        return;
    }
    focus_ = response.focus;
    restyleButtons();
}

// A click answers when the primary button goes down and comes up on the
// same button of the box; the button pressed takes the focus.
void MessageWindow::onButton(const XButtonEvent& event, bool pressed)
{
    if (event.button != Button1)
        return;
    const std::optional<std::size_t> over = buttonAt(layout_, {event.x, event.y});
    hovered_ = over;
    if (pressed) {
        held_ = over;
        if (over)
            focus_ = *over;
    } else {
        if (held_ && over == held_)
            answer_ = buttonChoices(content_.buttons)[*held_].answer;
        held_.reset();
    }
    restyleButtons();
}

void MessageWindow::onPointer(std::optional<std::size_t> over)
{
    if (over == hovered_)
        return;
    hovered_ = over;
    restyleButtons();
}

void MessageWindow::onClientMessage(const XClientMessageEvent& event)
{
    if (event.message_type == x_.atom("WM_PROTOCOLS") &&
        static_cast<::Atom>(event.data.l[0]) == x_.atom("WM_DELETE_WINDOW"))
        answer_ = escapeAnswer(content_.buttons);
}

// While a button is held, only that one lights up under the pointer, and
// it looks pushed there.
ButtonLook MessageWindow::lookOf(std::size_t button) const
{
    const bool over = hovered_ == button;
    return {button == focus_, over && (!held_ || held_ == button), over && held_ == button};
}

// Paints the buttons whose look changed and shows them.
void MessageWindow::restyleButtons()
{
    const std::span<const ButtonChoice> choices = buttonChoices(content_.buttons);
    for (std::size_t button = 0; button < painted_.size(); ++button) {
        const ButtonLook look = lookOf(button);
        if (look == painted_[button])
            continue;
        painted_[button] = look;
        paintButton(framebuffer_, x_.dpiY(), layout_.buttons[button], choices[button].label, look);
    }
    present(framebuffer_.dirty());
}

void MessageWindow::present(const Rect& area)
{
    framebuffer_.markPresented();
    if (mapped_)
        x_.present(window_, framebuffer_, area);
}

} // namespace platform::x11
