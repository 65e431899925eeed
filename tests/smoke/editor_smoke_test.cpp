// Starts the real editor on the X display this test runs under (xvfb-run with
// a 1280 × 800 screen), waits for its first painted canvas, photographs the
// screen and looks for the start-up document: a white 64 × 64 picture
// fitted to the canvas at zoom 8, with the pixel grid. Then it ends the
// editor through its file menu, as a user would, and expects a clean exit.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "support/scratch_directory.h"

extern char** environ;

namespace {

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 800;

// Whether the start-up picture lies on the screen as the editor first shows
// it: fitted to the canvas at zoom 8, its 64 × 64 white pixels each a block
// whose top row and left column the pixel grid draws in black, and every
// 16 pixels the interval grid's black and white dashes.
bool ShowsGriddedWhitePicture(const std::string& rgb, int cells, int zoom)
{
    const auto is = [&](int x, int y, const char* colour) {
        return rgb.compare(size_t(y * kScreenWidth + x) * 3, 3, colour, 3) == 0;
    };
    const int side = cells * zoom;
    const int interval = 16 * zoom;
    for (int y = 0; y + side <= kScreenHeight; ++y) {
        for (int x = 0; x + side <= kScreenWidth; ++x) {
            bool match = true;
            for (int py = 0; py < side && match; ++py) {
                for (int px = 0; px < side && match; ++px) {
                    const bool white = is(x + px, y + py, "\xFF\xFF\xFF");
                    const bool black = is(x + px, y + py, "\0\0\0");
                    if (px % interval == 0 || py % interval == 0) {
                        match = white || black;
                    } else {
                        match = px % zoom == 0 || py % zoom == 0 ? black : white;
                    }
                }
            }
            if (match) {
                return true;
            }
        }
    }
    return false;
}

// The editor with its standard error on a pipe; ended by the test, or
// terminated when the test fails before that.
class CEditorProcess {
public:
    CEditorProcess()
    {
        int ends[2];
        EXPECT_EQ(pipe(ends), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, ends[1], STDERR_FILENO);
        posix_spawn_file_actions_addclose(&actions, ends[0]);
        char program[] = STIPPLEBOX_EDITOR;
        char* arguments[] = {program, nullptr};
        EXPECT_EQ(posix_spawn(&m_pid, program, &actions, nullptr, arguments, environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(ends[1]);
        m_stderr = ends[0];
    }
    ~CEditorProcess()
    {
        if (m_pid != 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
        close(m_stderr);
    }

    // Standard error up to the text, or all that came before the time ran out.
    std::string ReadUntil(const std::string& text, std::chrono::seconds timeout)
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

    // The exit status, or -1 when the editor has not ended in time.
    int WaitForExit(std::chrono::seconds timeout)
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

private:
    pid_t m_pid = 0;
    int m_stderr = -1;
};

}  // namespace

TEST(EditorSmoke, TheStartupDocumentAppearsOnTheScreen)
{
    CScratchDirectory home;
    setenv("HOME", (home / "").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    setenv("STIPPLEBOX_REPORT_STARTUP", "1", 1);
    // The editor's own leaks count; the system libraries' are known.
    setenv("LSAN_OPTIONS", "suppressions=" STIPPLEBOX_LSAN_SUPPRESSIONS, 1);
    CEditorProcess editor;
    const std::string started = editor.ReadUntil("first canvas painted", std::chrono::seconds(120));
    ASSERT_NE(started.find("first canvas painted"), std::string::npos) << started;

    // The paint has been reported; the X server may take a moment to show it.
    const std::filesystem::path shot = home / "screen.rgb";
    bool shown = false;
    for (int attempt = 0; attempt < 20 && !shown; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        ASSERT_EQ(std::system(("import -window root -depth 8 rgb:" + shot.string()).c_str()), 0);
        const std::string rgb = ReadFileBytes(shot);
        ASSERT_EQ(rgb.size(), size_t(kScreenWidth) * kScreenHeight * 3);
        shown = ShowsGriddedWhitePicture(rgb, 64, 8);
    }
    ASSERT_TRUE(shown) << "no white 64 × 64 picture at zoom 8 on the screen";

    // The window lies at the top-left of the empty screen: open the first
    // menu and take its last item, "終了". Nothing changed, so no question.
    ASSERT_EQ(std::system("xdotool mousemove --sync 12 10 click 1 sleep 0.5 key Up Return"), 0);
    EXPECT_EQ(editor.WaitForExit(std::chrono::seconds(60)), 0) << editor.ReadUntil("\n\n", std::chrono::seconds(1));
}
