#include "views/player_wnd.h"

#include <algorithm>

#include "bars/menu_manager.h"
#include "commands/command_id_data_manager.h"
#include "model/delay.h"
#include "model/stipplebox_data.h"
#include "platform/animation_timer.h"
#include "platform/cmd_ui.h"
#include "platform/message_box.h"
#include "views/view_tool.h"
#include "views/zoom_commands.h"

namespace {

const CCommandIDDataManager& PlayModeTable()
{
    static const CCommandIDDataManager table = CreatePlayModeTable();
    return table;
}

}  // namespace

CPlayerWnd::SSettings& CPlayerWnd::Settings()
{
    static SSettings settings;
    return settings;
}

CPlayerWnd::CPlayerWnd(ICommandTarget& owner, const CMenuManager& menus)
    : CFrameworkWnd(owner),
      m_menu(*menus.FindPopupMenu(CMenuManager::kPopupPlayer)),
      m_speedLabel(AddLabel()),
      m_speedBar(AddScrollBar(kSpeedBarId, false))
{
    SetTitle("プレイヤ");
    AddChild(m_imageWnd);
    AddButton(kCmdMenuButton, "メニュー");
    AddMenuButton(kCmdPlayerToolButton, *menus.FindPopupMenu(CMenuManager::kPopupPlayerTools));
    AddButton(kCmdPlayerRewind, "巻き戻し");
    AddButton(kCmdPlayerPlay, "再生");
    AddMenuButton(kCmdPlayerOrderButton, *menus.FindPopupMenu(CMenuManager::kPopupPlayerOrders));
    AddButton(kCmdPlayerLoop, "ループ");
    AddMenuButton(kCmdZoomButton, *menus.FindPopupMenu(CMenuManager::kPopupZoom));
    AddButton(kCmdPlayerSpeed100, "100％");
    AddPlayerCommands();
    SelectTool(Settings().tool);
    m_imageWnd.SetZoom(Settings().zoom, false);
    ShowState();
}

CPlayerWnd::~CPlayerWnd()
{
    Stop();
}

CSize CPlayerWnd::GetDefaultClientSize() const
{
    const int unit = GetDisplayScale();
    return {224 * unit, 160 * unit};
}

void CPlayerWnd::OnSize(int width, int height)
{
    const int unit = GetDisplayScale();
    const int bar = 12 * unit;
    const int label = 24 * unit;
    MoveChild(m_imageWnd, {0, 0, width, height - bar});
    MoveLabel(m_speedLabel, {2 * unit, height - bar, label, height}, true);
    MoveScrollBar(m_speedBar, {label + 2 * unit, height - bar + unit, width - 2 * unit, height - unit});
}

void CPlayerWnd::AddPlayerCommands()
{
    SSettings& settings = Settings();
    const auto check = [](auto condition) { return [condition](ICmdUI& cmdUI) { cmdUI.SetCheck(condition(cmdUI)); }; };
    Commands().Add(kCmdPlayerRewind, [this](unsigned) { m_imageWnd.ShowFrame(0); });
    Commands().Add(
        kCmdPlayerPlay, [this](unsigned) { m_playing ? Stop() : Start(); }, check([this](ICmdUI&) { return m_playing; }));
    Commands().Add(
        kCmdPlayerLoop,
        [this, &settings](unsigned) {
            settings.loop = !settings.loop;
            ShowState();
        },
        check([&settings](ICmdUI&) { return settings.loop; }));
    const auto order = [](unsigned id) { return EPlayerOrder(PlayModeTable().Lookup(uint16_t(id), kPlayFirstToLast)); };
    for (const unsigned id : {kCmdPlayerOrderFirstToLast, kCmdPlayerOrderThereAndBack}) {
        Commands().Add(
            id,
            [this, &settings, order](unsigned chosen) {
                settings.order = order(chosen);
                ShowState();
            },
            check([&settings, order](ICmdUI& cmdUI) { return settings.order == order(cmdUI.GetID()); }));
    }
    for (const unsigned id : {kCmdPlayerToolFrame, kCmdToolScroll}) {
        Commands().Add(
            id, [this](unsigned chosen) { SelectTool(chosen); },
            check([&settings](ICmdUI& cmdUI) { return settings.tool == cmdUI.GetID(); }));
    }
    Commands().Add(
        kCmdPlayerSpeed100, [this](unsigned) { SetSpeed(100); },
        check([&settings](ICmdUI&) { return settings.speed == 100; }));
    AddZoomCommands(Commands(), [&settings] { return settings.zoom; }, [this](int zoom) { SetZoom(zoom); });
}

void CPlayerWnd::OnScroll(unsigned, EScroll code, int position)
{
    int speed = Settings().speed;
    switch (code) {
    case EScroll::kLineBack:
        speed -= 1;
        break;
    case EScroll::kLineForward:
        speed += 1;
        break;
    case EScroll::kPageBack:
        speed -= 10;
        break;
    case EScroll::kPageForward:
        speed += 10;
        break;
    case EScroll::kThumbPosition:
    case EScroll::kThumbTrack:
        speed = position;
        break;
    case EScroll::kFirst:
        speed = kMinSpeed;
        break;
    case EScroll::kLast:
        speed = kMaxSpeed;
        break;
    }
    SetSpeed(std::clamp(speed, kMinSpeed, kMaxSpeed));
    // The bar shows the speed even when it did not change (a drag past an end).
    ShowState();
}

void CPlayerWnd::Refresh()
{
    m_imageWnd.RepaintAll(true);
}

void CPlayerWnd::SetSpeed(int speed)
{
    if (speed == Settings().speed) {
        return;
    }
    Settings().speed = speed;
    ShowState();
    if (m_playing) {
        // The frame on show gets the new period from now on.
        m_timer->Stop();
        if (!ArmTimer()) {
            Stop();
        }
    }
}

void CPlayerWnd::SetZoom(int zoom)
{
    Settings().zoom = zoom;
    m_imageWnd.SetZoom(zoom, true);
    ShowState();
}

void CPlayerWnd::SelectTool(unsigned id)
{
    Settings().tool = id;
    SetViewTool<CPlayerImageToolFrame>(m_imageWnd, id);
    ShowState();
}

int CPlayerWnd::GetShownFramePeriod() const
{
    const CStippleboxLayer& layer = *(*GetLayers())[m_imageWnd.GetFrameLayerIndex()];
    return GetFramePeriod(layer.GetDelay().GetDelay(CDelay::kMillisecondsUnit), Settings().speed);
}

bool CPlayerWnd::ArmTimer()
{
    if (!m_timer) {
        m_timer = CreateAnimationTimer([this] { OnFrameTick(); });
    }
    return m_timer->Start(GetShownFramePeriod());
}

void CPlayerWnd::Start()
{
    if (GetLayers()->GetSize() == 1) {
        return;
    }
    m_playing = true;
    ShowState();
    m_backward = false;
    m_imageWnd.ShowFrame(0);
    if (!ArmTimer()) {
        m_playing = false;
        ShowState();
        ShowMessageBox("マルチメディアタイマーの起動に失敗しました。");
    }
}

void CPlayerWnd::Stop()
{
    if (!m_playing) {
        return;
    }
    m_timer->Stop();
    m_playing = false;
    ShowState();
}

void CPlayerWnd::OnFrameTick()
{
    const int count = GetLayers()->GetSize();
    if (count == 1) {
        m_imageWnd.ShowFrame(0);
        Stop();
        return;
    }
    const SSettings& settings = Settings();
    const SPlayerStep step = NextPlayerFrame(m_imageWnd.GetFrame(), m_backward, count, settings.order, settings.loop);
    m_backward = step.backward;
    if (step.stop) {
        Stop();
    }
    if (step.frame != m_imageWnd.GetFrame()) {
        m_imageWnd.ShowFrame(step.frame);
    }
    if (m_playing && !ArmTimer()) {
        Stop();
    }
}

void CPlayerWnd::ShowState()
{
    const int speed = Settings().speed;
    SetLabelText(m_speedLabel, std::to_string(speed) + "%");
    SetScrollBar(m_speedBar, kMinSpeed, kMaxSpeed, 1, 10, speed);
    if (GetHost() != nullptr) {
        GetHost()->UpdateButtons();
    }
}
