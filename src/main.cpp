#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QStyleHints>
#include <QTranslator>

#include "app/qt/qt_modal_dialogs.h"
#include "app/stipplebox_app.h"
#include "app/stipplebox_dlg.h"
#include "bars/qt/qt_bars_host.h"
#include "bars/qt/qt_icons.h"
#include "bars/qt/qt_status_bar.h"
#include "platform/qt/qt_animation_timer.h"
#include "platform/qt/qt_file_dialog.h"
#include "platform/qt/qt_file_drop.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_startup_report.h"
#include "platform/qt/qt_text_painter.h"
#include "platform/qt/qt_window_host.h"
#include "platform/settings_directory.h"

int main(int argc, char* argv[])
{
    CStippleboxApp app;
    app.InitInstance(GetProcessSettingsLocationInputs());

    QApplication application(argc, argv);
    QApplication::setApplicationName("stipplebox");
    QApplication::setApplicationDisplayName(CStippleboxApp::kAppName);
    QGuiApplication::setDesktopFileName("stipplebox");
    // The toolkit's own texts (dialog buttons, file dialogs) in Japanese too.
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QLocale(QLocale::Japanese), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&toolkitTexts);
    }
    const QSize screen = QApplication::primaryScreen()->size();
    SetDisplayScreenSize({screen.width(), screen.height()});
    SetPressAndHoldInterval(QGuiApplication::styleHints()->mousePressAndHoldInterval());

    CQtModalDialogs dialogs;
    CStippleboxDlg dialog(app.GetSettingsDirectory(), dialogs);
    CQtMainWindow window(dialog, dialog.GetMenuManager().GetMainMenu(), dialog.GetImageEditWnd());
    CQtMessageBox messageBox(&window);
    CQtFileDialog fileDialog(&window);
    SetMessageBox(&messageBox);
    CQtTextPainter textPainter;
    SetTextPainter(&textPainter);
    CQtAnimationTimer::Install();
    SetFileDialog(&fileDialog);
    dialogs.SetParent(&window);

    // Sized first: tool windows open at their default places beside it.
    window.resize(QSize(1280, 800).boundedTo(QApplication::primaryScreen()->availableSize()));
    dialog.OnInitDialog(window);
    window.setWindowIcon(ToQIcon(dialog.GetIconManager(), CIconManager::kApplicationIcon));
    CQtStatusBar statusBar(window, window.GetCanvasHost(), dialog.GetImageEditWnd());
    CQtBarsHost bars(window, dialog, dialog.GetMenuManager(), dialog.GetIconManager(), statusBar);
    dialog.SetBarsHost(&bars);
    ReportFirstPaintWhenAsked(window.GetCanvasHost());
    CQtFileDrop fileDrop(window, [&dialog](std::vector<std::filesystem::path> files) { dialog.OnDropFiles(files); });
    window.show();
    // Files given on the command line (or by a file manager) open as Open
    // would open them.
    std::vector<std::filesystem::path> files;
    for (const QString& argument : QApplication::arguments().mid(1)) {
        files.emplace_back(QFile::encodeName(argument).toStdString());
    }
    dialog.OnStartup(files);
    const int result = QApplication::exec();
    SetMessageBox(nullptr);
    SetTextPainter(nullptr);
    SetAnimationTimerFactory({});
    SetFileDialog(nullptr);
    return result;
}
