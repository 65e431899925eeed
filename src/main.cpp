#include <QApplication>
#include <QMainWindow>
#include <filesystem>
#include <system_error>

#include "app/new_document.h"
#include "model/stipplebox_accessor.h"
#include "model/stipplebox_data.h"
#include "platform/qt/picture_view.h"
#include "platform/qt/qt_message_box.h"
#include "platform/settings_directory.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("stipplebox");
    QApplication::setApplicationDisplayName("Stipple Box 2");

    const std::filesystem::path settings = ChooseSettingsDirectory(GetProcessSettingsLocationInputs());
    std::error_code error;
    std::filesystem::create_directories(settings / "Dialog", error);
    std::filesystem::create_directories(settings / "CustomBar", error);

    QMainWindow window;
    CQtMessageBox messageBox(&window);
    SetMessageBox(&messageBox);

    std::unique_ptr<CStippleboxData> document = CreateStartupDocument();
    CStippleboxAccessor::GetContext().document = document.get();

    auto* view = new CPictureView(&window);
    view->SetDocument(document.get());
    window.setCentralWidget(view);
    window.setWindowTitle("Stipple Box 2");
    window.resize(1280, 800);
    window.show();
    return QApplication::exec();
}
