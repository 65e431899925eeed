#pragma once

#include <QObject>
#include <filesystem>
#include <functional>
#include <vector>

class QWidget;

// Lets files from a file manager be dropped anywhere on a window. The files
// are handed over after the drop has ended, so that a question the receiver
// asks does not hold up the program the files came from.
class CQtFileDrop final : public QObject {
    Q_OBJECT

public:
    using Receiver = std::function<void(std::vector<std::filesystem::path>)>;

    CQtFileDrop(QWidget& window, Receiver receiver);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Receiver m_receiver;
};
