#include "platform/qt/qt_startup_report.h"

#include <unistd.h>

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// Milliseconds since the process started, from the kernel's clock-tick
// accounting (its resolution is one tick, usually 10 ms); -1 when unknown.
long MillisecondsSinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::ifstream uptime("/proc/uptime");
    std::string line;
    double secondsSinceBoot = 0;
    if (!std::getline(stat, line) || !(uptime >> secondsSinceBoot)) {
        return -1;
    }
    // The command name in parentheses may hold blanks; fields count from after it.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 3; i < 22 && fields >> field; ++i) {
    }
    unsigned long long startTicks = 0;
    if (!(fields >> startTicks)) {
        return -1;
    }
    const double startSeconds = double(startTicks) / double(sysconf(_SC_CLK_TCK));
    return long((secondsSinceBoot - startSeconds) * 1000.0);
}

class CFirstPaintReporter final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Reported once the paint has been carried out.
            QTimer::singleShot(0, [] {
                std::fprintf(stderr, "stipplebox: first canvas painted %ld ms after start\n",
                             MillisecondsSinceProcessStart());
            });
        }
        return false;
    }
};

}  // namespace

void ReportFirstPaintWhenAsked(QWidget& widget)
{
    if (std::getenv("STIPPLEBOX_REPORT_STARTUP") != nullptr) {
        widget.installEventFilter(new CFirstPaintReporter(&widget));
    }
}
