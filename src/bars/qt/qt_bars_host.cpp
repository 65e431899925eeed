#include "bars/qt/qt_bars_host.h"

#include <QAction>
#include <QToolBar>
#include <QToolButton>

#include "bars/color_display_wnd.h"
#include "bars/command_ids.h"
#include "bars/custom_bar.h"
#include "bars/custom_bar_button.h"
#include "bars/icon_manager.h"
#include "bars/menu_manager.h"
#include "bars/mini_palette_wnd.h"
#include "bars/qt/qt_icons.h"
#include "bars/qt/qt_status_bar.h"
#include "platform/cmd_ui.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_window_host.h"

namespace {

// An update handler's view of a tool bar button: the text it may set is the
// button's tool tip.
class CQtButtonCmdUI final : public ICmdUI {
public:
    CQtButtonCmdUI(QAction& action, unsigned id) : m_action(action), m_id(id) {}

    unsigned GetID() const override { return m_id; }
    void Enable(bool enabled) override { m_action.setEnabled(enabled); }
    void SetCheck(bool checked) override
    {
        m_action.setCheckable(true);
        m_action.setChecked(checked);
    }
    void SetText(const std::string& text) override { m_action.setToolTip(QString::fromStdString(text)); }

private:
    QAction& m_action;
    unsigned m_id;
};

constexpr QSize kColorDisplaySize{30, 22};

DisplayPixel ToDisplayPixel(const QColor& color)
{
    return MakeDisplayPixel(uint8_t(color.red()), uint8_t(color.green()), uint8_t(color.blue()));
}

}  // namespace

CQtBarsHost::CQtBarsHost(CQtMainWindow& window, ICommandTarget& target, const CMenuManager& menus,
                         const CIconManager& icons, CQtStatusBar& statusBar)
    : m_window(window), m_target(target), m_menus(menus), m_icons(icons), m_statusBar(statusBar)
{
}

CQtBarsHost::~CQtBarsHost()
{
    ClearToolBars();
}

void CQtBarsHost::ClearToolBars()
{
    for (QToolBar* bar : m_toolBars) {
        m_window.removeToolBar(bar);
        delete bar;
    }
    m_toolBars.clear();
    m_actions.clear();
    m_pictures.clear();
    // The hosts went with their bars; the windows they carried go now.
    m_objectWindows.clear();
}

void CQtBarsHost::ShowToolBars(const std::vector<SShownToolBar>& bars, const WindowFactory& makeWindow)
{
    ClearToolBars();
    for (const SShownToolBar& shown : bars) {
        auto* bar = new QToolBar(QString::fromStdString(shown.name), &m_window);
        bar->setObjectName(QString::fromStdString(GetToolBarInfos()[size_t(shown.index)].fileKey));
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setIconSize(QSize(16, 16));
        // The bars are shown and hidden through the menu only.
        bar->setContextMenuPolicy(Qt::PreventContextMenu);
        for (const unsigned id : shown.buttons) {
            AddButton(*bar, id, makeWindow);
        }
        m_window.addToolBar(shown.index == kPaletteToolBar ? Qt::BottomToolBarArea : Qt::TopToolBarArea, bar);
        m_toolBars.push_back(bar);
    }
}

void CQtBarsHost::AddButton(QToolBar& bar, unsigned id, const WindowFactory& makeWindow)
{
    const SCustomBarButton* button = FindCustomBarButton(id);
    if (id == kBarSeparator || button == nullptr) {
        bar.addSeparator();
        return;
    }
    if (button->kind == SCustomBarButton::kColorDisplay || button->kind == SCustomBarButton::kMiniPalette) {
        std::unique_ptr<CBarObjectWnd> window = makeWindow(id);
        if (window == nullptr) {
            return;
        }
        if (auto* display = dynamic_cast<CColorDisplayWnd*>(window.get())) {
            display->SetBackdrop(ToDisplayPixel(bar.palette().color(QPalette::Window)));
        }
        auto* host = new CQtWindowHost(*window, &bar);
        host->setFocusPolicy(Qt::NoFocus);
        const QSize size = button->kind == SCustomBarButton::kColorDisplay
                               ? kColorDisplaySize
                               : QSize(CMiniPaletteWnd::kSize.cx, CMiniPaletteWnd::kSize.cy);
        host->setFixedSize(size);
        host->setToolTip(QString::fromStdString(GetCustomBarButtonLabel(m_menus, id)));
        bar.addWidget(host);
        m_objectWindows.push_back({id, std::move(window), host});
        return;
    }
    QAction* action = bar.addAction(ToQIcon(m_icons, id), QString::fromStdString(GetCustomBarButtonLabel(m_menus, id)));
    action->setData(id);
    QWidget* widget = bar.widgetForAction(action);
    widget->setFocusPolicy(Qt::NoFocus);
    connect(action, &QAction::triggered, this, [this, id, widget] { m_window.SendCommand(id, widget); });
    m_actions.push_back(action);
}

void CQtBarsHost::RefreshToolBars(const std::map<unsigned, unsigned>& pictures)
{
    for (QAction* action : m_actions) {
        const unsigned id = action->data().toUInt();
        CQtButtonCmdUI cmdUI(*action, id);
        m_target.OnUpdateCommand(cmdUI);
        const auto picture = pictures.find(id);
        if (picture != pictures.end() && m_pictures[id] != picture->second) {
            action->setIcon(ToQIcon(m_icons, picture->second));
        }
    }
    for (const auto& [id, picture] : pictures) {
        m_pictures[id] = picture;
    }
}

void CQtBarsHost::RedrawToolBarObject(unsigned id)
{
    for (SObjectWindow& object : m_objectWindows) {
        if (object.id == id) {
            object.window->Redraw();
        }
    }
}

void CQtBarsHost::RefreshStatusBar()
{
    m_statusBar.Refresh();
}
