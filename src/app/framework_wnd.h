#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/command_map.h"
#include "model/display_pixel.h"
#include "model/geometry.h"
#include "platform/dialog_host.h"

class CWnd;
class IToolWindowHost;

// The face of the tool windows: their children paint their background in it,
// and the frames around them use it too.
inline constexpr DisplayPixel kToolWindowFace = MakeDisplayPixel(0xF0, 0xF0, 0xF0);

// Base of the floating tool windows (layers, palette, player, position). It
// describes what its frame shows: a title, buttons along the top, child
// windows and text labels placed in the client area. It routes the commands
// of its buttons and menus: its own first, then the main dialog's, so a tool
// window's menu can carry main-menu commands as they are. Pin, close and the
// menu button are handled here for every tool window.
class CFrameworkWnd : public ICommandTarget {
public:
    struct SButton {
        unsigned id = 0;
        std::string label;
    };
    struct SLabel {
        std::string text;
        CRect rect;
        bool alignRight = false;
    };
    // A scroll bar (or slider) of the client area; its range includes both
    // ends, and line and page are what one step and one page step move (the
    // wheel moves by lines).
    struct SScrollBar {
        unsigned id = 0;
        bool vertical = false;
        int minimum = 0;
        int maximum = 0;
        int line = 1;
        int page = 1;
        int position = 0;
        CRect rect;
    };
    // What the user did to a scroll bar: a step or a page towards its start
    // or end, the thumb dragged (kThumbTrack) or let go (kThumbPosition) at a
    // position, or a jump to either end.
    enum class EScroll { kLineBack, kLineForward, kPageBack, kPageForward, kThumbPosition, kThumbTrack, kFirst, kLast };

    // Commands the window does not route go to the owner.
    explicit CFrameworkWnd(ICommandTarget& owner);
    ~CFrameworkWnd() override;
    CFrameworkWnd(const CFrameworkWnd&) = delete;
    CFrameworkWnd& operator=(const CFrameworkWnd&) = delete;

    // The frame attaches itself while it carries the window.
    void AttachHost(IToolWindowHost* host) { m_host = host; }
    IToolWindowHost* GetHost() const { return m_host; }

    const std::string& GetTitle() const { return m_title; }
    const std::vector<CWnd*>& GetChildren() const { return m_children; }
    const std::vector<SButton>& GetButtons() const { return m_buttons; }
    const std::vector<SLabel>& GetLabels() const { return m_labels; }
    const std::vector<SScrollBar>& GetScrollBars() const { return m_scrollBars; }
    // The client size a new window opens with.
    virtual CSize GetDefaultClientSize() const = 0;
    // The frame's client area has a new size: place the children and labels.
    virtual void OnSize(int width, int height) = 0;

    bool OnCommand(unsigned id) override;
    void OnUpdateCommand(ICmdUI& cmdUI) override;
    // The frame's close box.
    void OnClose() override { Close(); }
    // The user moved a scroll bar; position is where its thumb now is. The
    // window sets the bar's new position itself (SetScrollBar).
    virtual void OnScroll(unsigned id, EScroll code, int position);

    // Closes the window once the event being handled is over (the window
    // may be deep inside its own pointer or menu handling): the frame then
    // calls the close handler, which destroys the window.
    void Close();
    void SetCloseHandler(std::function<void()> handler) { m_closeHandler = std::move(handler); }
    // For frames: the close asked for earlier is due.
    void OnPostedClose();

    // An unpinned window closes after a plain pick in it.
    bool IsPinned() const { return m_pinned; }
    // Shows the popup menu with its top-left corner at the point (screen
    // coordinates); chosen items come back through OnCommand.
    void ShowPopupMenu(const SMenuItem& menu, CPoint point);

protected:
    CCommandMap& Commands() { return m_commands; }
    void SetTitle(std::string title);
    // Children and labels are declared once, in the constructor.
    void AddChild(CWnd& child) { m_children.push_back(&child); }
    int AddLabel();
    void AddButton(unsigned id, std::string label) { m_buttons.push_back({id, std::move(label)}); }
    // A button that opens the menu below itself and shows the label of the
    // menu's checked item (the menu's own label while none is checked).
    void AddMenuButton(unsigned id, SMenuItem menu);
    void MoveChild(CWnd& child, const CRect& rect);
    void SetLabelText(int index, std::string text);
    void MoveLabel(int index, const CRect& rect, bool alignRight);
    // The menu the menu button opens; none by default.
    virtual SMenuItem BuildMenu() const;
    void SetPinned(bool pinned);
    int AddScrollBar(unsigned id, bool vertical);
    void SetScrollBar(int index, int minimum, int maximum, int line, int page, int position);
    void MoveScrollBar(int index, const CRect& rect);

private:
    void ShowLabel(int index);
    void ShowScrollBar(int index);

    ICommandTarget& m_owner;
    IToolWindowHost* m_host = nullptr;
    CCommandMap m_commands;
    std::function<void()> m_closeHandler;
    std::string m_title;
    std::vector<CWnd*> m_children;
    std::vector<SButton> m_buttons;
    std::vector<SLabel> m_labels;
    std::vector<SScrollBar> m_scrollBars;
    bool m_pinned = false;
};

// What a tool window needs from the frame that carries it on screen. The
// frame shows the window's title, buttons, children and labels as the
// window describes them, and passes on the size of its client area.
class IToolWindowHost {
public:
    virtual ~IToolWindowHost() = default;
    virtual void SetWindowText(const std::string& text) = 0;
    // Client coordinates.
    virtual void MoveChild(CWnd& child, const CRect& rect) = 0;
    virtual void ShowLabel(int index, const CFrameworkWnd::SLabel& label) = 0;
    virtual void ShowScrollBar(int index, const CFrameworkWnd::SScrollBar& bar) = 0;
    // The buttons' states may have changed: ask the window again.
    virtual void UpdateButtons() = 0;
    // The screen rectangle of the button (or the pointer, for menu items)
    // that sent the command being handled.
    virtual CRect GetCommandSourceRect() const = 0;
    virtual void TrackPopupMenu(const SMenuItem& menu, CPoint point) = 0;
    // Calls the window's OnPostedClose once the event being handled is over.
    virtual void PostClose() = 0;
    // The frame's place on the screen as the settings keep it.
    virtual CRect GetWindowRect() const = 0;
    // Brings the frame to the front.
    virtual void Activate() = 0;
};
