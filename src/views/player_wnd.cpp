#include "views/player_wnd.h"

#include <algorithm>

#include "commands/command_id_data_manager.h"
#include "model/delay.h"
#include "model/stipplebox_data.h"
#include "platform/animation_timer.h"
#include "platform/cmd_ui.h"
#include "platform/message_box.h"
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

CPlayerWnd::CPlayerWnd()
{
    SelectTool(Settings().tool);
    m_imageWnd.SetZoom(Settings().zoom, false);
}

CPlayerWnd::~CPlayerWnd()
{
    Stop();
}

bool CPlayerWnd::OnCommand(unsigned id)
{
    SSettings& settings = Settings();
    switch (id) {
    case kCmdPlayerRewind:
        m_imageWnd.ShowFrame(0);
        return true;
    case kCmdPlayerPlay:
        m_playing ? Stop() : Start();
        return true;
    case kCmdPlayerLoop:
        settings.loop = !settings.loop;
        ButtonsChanged();
        return true;
    case kCmdPlayerOrderFirstToLast:
    case kCmdPlayerOrderThereAndBack:
        settings.order = EPlayerOrder(PlayModeTable().Lookup(uint16_t(id), kPlayFirstToLast));
        ButtonsChanged();
        return true;
    case kCmdPlayerToolFrame:
    case kCmdToolScroll:
        SelectTool(id);
        return true;
    case kCmdPlayerSpeed100:
        SetSpeed(100);
        return true;
    default:
        if (const std::optional<int> zoom = GetCommandZoom(id, settings.zoom)) {
            SetZoom(*zoom);
            return true;
        }
        return false;
    }
}

void CPlayerWnd::OnUpdateCommand(ICmdUI& cmdUI)
{
    const SSettings& settings = Settings();
    const unsigned id = cmdUI.GetID();
    switch (id) {
    case kCmdPlayerPlay:
        cmdUI.SetCheck(m_playing);
        break;
    case kCmdPlayerLoop:
        cmdUI.SetCheck(settings.loop);
        break;
    case kCmdPlayerOrderFirstToLast:
    case kCmdPlayerOrderThereAndBack:
        cmdUI.SetCheck(PlayModeTable().Lookup(uint16_t(id), -1) == settings.order);
        break;
    case kCmdPlayerToolFrame:
    case kCmdToolScroll:
        cmdUI.SetCheck(settings.tool == id);
        break;
    case kCmdPlayerSpeed100:
        cmdUI.SetCheck(settings.speed == 100);
        break;
    default:
        UpdateZoomCommand(cmdUI, settings.zoom);
        break;
    }
}

void CPlayerWnd::OnSpeedScroll(ESpeedScroll code, int position)
{
    int speed = Settings().speed;
    switch (code) {
    case ESpeedScroll::kLineLeft:
        speed -= 1;
        break;
    case ESpeedScroll::kLineRight:
        speed += 1;
        break;
    case ESpeedScroll::kPageLeft:
        speed -= 10;
        break;
    case ESpeedScroll::kPageRight:
        speed += 10;
        break;
    case ESpeedScroll::kThumbPosition:
    case ESpeedScroll::kThumbTrack:
        speed = position;
        break;
    case ESpeedScroll::kLeft:
        speed = kMinSpeed;
        break;
    case ESpeedScroll::kRight:
        speed = kMaxSpeed;
        break;
    }
    SetSpeed(std::clamp(speed, kMinSpeed, kMaxSpeed));
}

std::string CPlayerWnd::GetSpeedLabel() const
{
    return std::to_string(Settings().speed) + "%";
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
    ButtonsChanged();
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
    ButtonsChanged();
}

void CPlayerWnd::SelectTool(unsigned id)
{
    Settings().tool = id;
    std::unique_ptr<CMouseTool> tool;
    if (id == kCmdToolScroll) {
        tool = std::make_unique<CImageToolPalm>();
    } else {
        tool = std::make_unique<CPlayerImageToolFrame>();
    }
    tool->SetCommandID(int(id));
    m_imageWnd.SetTool(std::move(tool));
    ButtonsChanged();
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
    ButtonsChanged();
    m_backward = false;
    m_imageWnd.ShowFrame(0);
    if (!ArmTimer()) {
        m_playing = false;
        ButtonsChanged();
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
    ButtonsChanged();
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

void CPlayerWnd::ButtonsChanged()
{
    if (m_buttonsChanged) {
        m_buttonsChanged();
    }
}
