#pragma once

#include <functional>
#include <memory>
#include <string>

#include "bars/command_ids.h"
#include "model/geometry.h"
#include "model/stipplebox_accessor.h"
#include "views/player_frames.h"
#include "views/player_image_wnd.h"

class ICmdUI;
class IAnimationTimer;

// The player: previews the layers as an animation, each layer a frame shown
// for its own delay, in one of two orders, looping or not, at a speed from
// 1 to 200 %. A one-shot timer is armed again after every frame with the
// period of the frame then shown.
class CPlayerWnd : public CStippleboxAccessor {
public:
    static constexpr int kMinSpeed = 1;
    static constexpr int kMaxSpeed = 200;

    // Shared by every player window and kept for the whole run.
    struct SSettings {
        unsigned tool = kCmdPlayerToolFrame;
        int zoom = 1;
        bool loop = true;
        int speed = 100;
        EPlayerOrder order = kPlayFirstToLast;
        CRect rect;
    };
    static SSettings& Settings();

    // What the speed slider reports, as a horizontal scroll bar does.
    enum class ESpeedScroll { kLineLeft, kLineRight, kPageLeft, kPageRight, kThumbPosition, kThumbTrack, kLeft, kRight };

    CPlayerWnd();
    // Stops playback first.
    ~CPlayerWnd();
    CPlayerWnd(const CPlayerWnd&) = delete;
    CPlayerWnd& operator=(const CPlayerWnd&) = delete;

    CPlayerImageWnd& GetImageWnd() { return m_imageWnd; }
    // Called whenever the buttons' states may have changed.
    void SetButtonsChangedHandler(std::function<void()> handler) { m_buttonsChanged = std::move(handler); }

    // False when the ID is not the player's.
    bool OnCommand(unsigned id);
    void OnUpdateCommand(ICmdUI& cmdUI);
    void OnSpeedScroll(ESpeedScroll code, int position);
    // "%d%%" of the speed.
    std::string GetSpeedLabel() const;

    bool IsPlaying() const { return m_playing; }
    // The document changed: the frame is shown again.
    void Refresh();

private:
    void Start();
    void Stop();
    void OnFrameTick();
    bool ArmTimer();
    int GetShownFramePeriod() const;
    void SetSpeed(int speed);
    void SetZoom(int zoom);
    void SelectTool(unsigned id);
    void ButtonsChanged();

    CPlayerImageWnd m_imageWnd;
    std::unique_ptr<IAnimationTimer> m_timer;
    bool m_playing = false;
    bool m_backward = false;
    std::function<void()> m_buttonsChanged;
};
