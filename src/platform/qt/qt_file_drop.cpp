#include "platform/qt/qt_file_drop.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

std::vector<std::filesystem::path> LocalFiles(const QMimeData* data)
{
    std::vector<std::filesystem::path> files;
    if (data == nullptr) {
        return files;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            files.emplace_back(QFile::encodeName(url.toLocalFile()).toStdString());
        }
    }
    return files;
}

}  // namespace

CQtFileDrop::CQtFileDrop(QWidget& window, Receiver receiver) : m_receiver(std::move(receiver))
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool CQtFileDrop::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (!LocalFiles(drag->mimeData()).empty()) {
            drag->acceptProposedAction();
            return true;
        }
        break;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        std::vector<std::filesystem::path> files = LocalFiles(drop->mimeData());
        if (!files.empty()) {
            drop->acceptProposedAction();
            QTimer::singleShot(0, this, [this, files = std::move(files)] { m_receiver(files); });
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
