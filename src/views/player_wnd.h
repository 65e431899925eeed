#pragma once

#include <memory>
#include <string>

#include "app/framework_wnd.h"
#include "bars/command_ids.h"
#include "model/stipplebox_accessor.h"
#include "views/player_frames.h"
#include "views/player_image_wnd.h"

class CMenuManager;
class IAnimationTimer;

// The player: previews the layers as an animation, each layer a frame shown
// for its own delay, in one of two orders, looping or not, at a speed from
// 1 to 200 %. A one-shot timer is armed again after every frame with the
// period of the frame then shown.
class CPlayerWnd final : public CFrameworkWnd, public CStippleboxAccessor {
public:
    static constexpr int kMinSpeed = 1;
    static constexpr int kMaxSpeed = 200;
    static constexpr unsigned kSpeedBarId = 103;

    // Shared by every player window and kept for the whole run.
    struct SSettings {
        unsigned tool = kCmdPlayerToolFrame;
        int zoom = 1;
        bool loop = true;
        int speed = 100;
        EPlayerOrder order = kPlayFirstToLast;
    };
    static SSettings& Settings();

    CPlayerWnd(ICommandTarget& owner, const CMenuManager& menus);
    // Stops playback first.
    ~CPlayerWnd() override;

    CPlayerImageWnd& GetImageWnd() { return m_imageWnd; }
    CSize GetDefaultClientSize() const override;
    void OnSize(int width, int height) override;
    // The speed bar.
    void OnScroll(unsigned id, EScroll code, int position) override;

    bool IsPlaying() const { return m_playing; }
    // The document changed: the frame is shown again.
    void Refresh();

private:
    SMenuItem BuildMenu() const override { return m_menu; }
    void AddPlayerCommands();
    void Start();
    void Stop();
    void OnFrameTick();
    bool ArmTimer();
    int GetShownFramePeriod() const;
    void SetSpeed(int speed);
    void SetZoom(int zoom);
    void SelectTool(unsigned id);
    // The buttons, the speed label and the speed bar show the settings.
    void ShowState();

    CPlayerImageWnd m_imageWnd;
    SMenuItem m_menu;
    int m_speedLabel;
    int m_speedBar;
    std::unique_ptr<IAnimationTimer> m_timer;
    bool m_playing = false;
    bool m_backward = false;
};
