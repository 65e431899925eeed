#include "smoke/editor_process.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

#include "support/scratch_directory.h"

extern char** environ;

void UseScratchHome(const CScratchDirectory& home)
{
    setenv("HOME", (home / "").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    setenv("STIPPLEBOX_REPORT_STARTUP", "1", 1);
    setenv("LSAN_OPTIONS", "suppressions=" STIPPLEBOX_LSAN_SUPPRESSIONS, 1);
}

CEditorProcess::CEditorProcess(const std::vector<std::string>& arguments)
{
    int ends[2];
    EXPECT_EQ(pipe(ends), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, ends[0]);
    std::vector<std::string> words = {STIPPLEBOX_EDITOR};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    EXPECT_EQ(posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    m_stderr = ends[0];
}

CEditorProcess::~CEditorProcess()
{
    if (m_pid != 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
    close(m_stderr);
}

std::string CEditorProcess::ReadUntil(const std::string& text, std::chrono::seconds timeout)
{
    std::string output;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (output.find(text) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        pollfd descriptor{m_stderr, POLLIN, 0};
        if (poll(&descriptor, 1, 100) <= 0) {
            continue;
        }
        char buffer[512];
        const ssize_t count = read(m_stderr, buffer, sizeof buffer);
        if (count <= 0) {
            break;
        }
        output.append(buffer, size_t(count));
    }
    return output;
}

bool CEditorProcess::WaitForFirstPaint()
{
    const std::string reported = "first canvas painted";
    return ReadUntil(reported, std::chrono::seconds(120)).find(reported) != std::string::npos;
}

int CEditorProcess::WaitForExit(std::chrono::seconds timeout)
{
    int status = 0;
    for (const auto deadline = std::chrono::steady_clock::now() + timeout; std::chrono::steady_clock::now() < deadline;
         std::this_thread::sleep_for(std::chrono::milliseconds(100))) {
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = 0;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
    }
    return -1;
}

void CEditorProcess::Kill()
{
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
    m_pid = 0;
}

int Shell(const std::string& command)
{
    return std::system(command.c_str());
}

bool HasWindowTitled(const std::string& pattern)
{
    // A search is repeated rather than left waiting, as a window that closes
    // while xdotool looks at it ends that search.
    for (int attempt = 0; attempt < 60; ++attempt) {
        if (Shell("xdotool search --onlyvisible --name '" + pattern + "' > /dev/null 2>&1") == 0) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    return false;
}

std::string CaptureScreen()
{
    CScratchDirectory folder;
    const std::filesystem::path shot = folder / "screen.rgb";
    EXPECT_EQ(std::system(("import -window root -depth 8 rgb:" + shot.string()).c_str()), 0);
    std::string rgb = ReadFileBytes(shot);
    EXPECT_EQ(rgb.size(), size_t(kScreenWidth) * kScreenHeight * 3);
    rgb.resize(size_t(kScreenWidth) * kScreenHeight * 3);
    return rgb;
}

uint32_t ScreenColor(const std::string& rgb, CPoint point)
{
    const size_t at = (size_t(point.y) * kScreenWidth + point.x) * 3;
    return uint32_t(uint8_t(rgb[at])) << 16 | uint32_t(uint8_t(rgb[at + 1])) << 8 | uint8_t(rgb[at + 2]);
}

std::optional<CPoint> FindGriddedWhitePicture(const std::string& rgb, int cells, int zoom)
{
    const auto is = [&](int x, int y, uint32_t colour) { return ScreenColor(rgb, {x, y}) == colour; };
    const int side = cells * zoom;
    const int interval = 16 * zoom;
    for (int y = 0; y + side <= kScreenHeight; ++y) {
        for (int x = 0; x + side <= kScreenWidth; ++x) {
            bool match = true;
            for (int py = 0; py < side && match; ++py) {
                for (int px = 0; px < side && match; ++px) {
                    const bool white = is(x + px, y + py, 0xFFFFFF);
                    const bool black = is(x + px, y + py, 0x000000);
                    if (px % interval == 0 || py % interval == 0) {
                        match = white || black;
                    } else {
                        match = px % zoom == 0 || py % zoom == 0 ? black : white;
                    }
                }
            }
            if (match) {
                return CPoint{x, y};
            }
        }
    }
    return std::nullopt;
}

std::optional<CPoint> WaitForGriddedWhitePicture(int cells, int zoom)
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        if (const std::optional<CPoint> corner = FindGriddedWhitePicture(CaptureScreen(), cells, zoom)) {
            return corner;
        }
    }
    return std::nullopt;
}

CPoint PixelOnScreen(CPoint corner, CPoint pixel, int zoom)
{
    return {corner.x + pixel.x * zoom + zoom / 2, corner.y + pixel.y * zoom + zoom / 2};
}
