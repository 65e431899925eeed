#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/geometry.h"
#include "support/scratch_directory.h"

// The real editor on the X display the test runs under (xvfb-run with a
// 1280 × 800 screen), driven and photographed as a user would see it.

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 800;

// Settings of the editors started from now on go to a scratch home; each
// reports its first painted canvas, and only its own leaks count, not the
// system libraries' known ones.
void UseScratchHome(const CScratchDirectory& home);

// The editor with its standard error on a pipe; ended by the test, or
// terminated when the test fails before that.
class CEditorProcess {
public:
    explicit CEditorProcess(const std::vector<std::string>& arguments = {});
    ~CEditorProcess();
    CEditorProcess(const CEditorProcess&) = delete;
    CEditorProcess& operator=(const CEditorProcess&) = delete;

    // Standard error up to the text, or all that came before the time ran out.
    std::string ReadUntil(const std::string& text, std::chrono::seconds timeout);
    // Whether the editor reported its first painted canvas within two minutes.
    bool WaitForFirstPaint();
    // The exit status, or -1 when the editor has not ended in time.
    int WaitForExit(std::chrono::seconds timeout);
    // Ends the editor at once, as a crash or a killed session does.
    void Kill();

private:
    int m_pid = 0;
    int m_stderr = -1;
};

// Runs a command line of the shell (xdotool and the like); its exit status.
int Shell(const std::string& command);
// Whether a window whose title matches the pattern shows within 30 seconds.
bool HasWindowTitled(const std::string& pattern);

// The screen as 8-bit RGB triples, top row first.
std::string CaptureScreen();
// The top-left corner of a white picture of cells × cells pixels as the
// editor shows it at the zoom: every pixel a block whose top row and left
// column the pixel grid draws in black, and every 16 pixels the interval
// grid's black and white dashes.
std::optional<CPoint> FindGriddedWhitePicture(const std::string& rgb, int cells, int zoom);
// The same picture found once the editor shows it, within five seconds.
std::optional<CPoint> WaitForGriddedWhitePicture(int cells, int zoom);
// The middle of a picture pixel on the screen, the picture's corner given.
CPoint PixelOnScreen(CPoint corner, CPoint pixel, int zoom);
// The screen's colour at a point as 0xRRGGBB.
uint32_t ScreenColor(const std::string& rgb, CPoint point);
