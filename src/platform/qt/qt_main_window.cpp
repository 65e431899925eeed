#include "platform/qt/qt_main_window.h"

#include <QCloseEvent>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "platform/cmd_ui.h"
#include "platform/qt/qt_window_host.h"

namespace {

// Menu texts are shown as they are: an ampersand is not a mnemonic marker.
QString MenuText(const std::string& text)
{
    return QString::fromStdString(text).replace('&', "&&");
}

// An update handler's view of a menu action.
class CQtActionCmdUI final : public ICmdUI {
public:
    CQtActionCmdUI(QAction& action, unsigned id) : m_action(action), m_id(id) {}

    unsigned GetID() const override { return m_id; }
    void Enable(bool enabled) override { m_action.setEnabled(enabled); }
    void SetCheck(bool checked) override
    {
        m_action.setCheckable(true);
        m_action.setChecked(checked);
    }
    void SetText(const std::string& text) override { m_action.setText(MenuText(text)); }

private:
    QAction& m_action;
    unsigned m_id;
};

}  // namespace

CQtMainWindow::CQtMainWindow(ICommandTarget& target, const std::vector<SMenuItem>& menus, CWnd& canvas)
    : m_target(target), m_canvasHost(new CQtWindowHost(canvas, this))
{
    for (const SMenuItem& item : menus) {
        FillMenu(*menuBar()->addMenu(MenuText(item.label)), item.items);
    }
    setCentralWidget(m_canvasHost);
    m_canvasHost->setFocus();
}

CQtMainWindow::~CQtMainWindow() = default;

unsigned CQtMainWindow::GetCommandID(const QAction& action)
{
    return action.data().toUInt();
}

void CQtMainWindow::FillMenu(QMenu& menu, const std::vector<SMenuItem>& items)
{
    for (const SMenuItem& item : items) {
        if (item.IsSeparator()) {
            menu.addSeparator();
        } else if (item.IsSubmenu()) {
            FillMenu(*menu.addMenu(MenuText(item.label)), item.items);
        } else {
            QAction* action = menu.addAction(MenuText(item.label));
            action->setData(item.id);
            const unsigned id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { m_target.OnCommand(id); });
        }
    }
    connect(&menu, &QMenu::aboutToShow, this, [this, &menu] { UpdateMenu(menu); });
}

void CQtMainWindow::UpdateMenu(QMenu& menu)
{
    for (QAction* action : menu.actions()) {
        if (const unsigned id = GetCommandID(*action); id != 0) {
            CQtActionCmdUI cmdUI(*action, id);
            m_target.OnUpdateCommand(cmdUI);
        }
    }
}

void CQtMainWindow::SetWindowText(const std::string& text)
{
    setWindowTitle(QString::fromStdString(text));
}

void CQtMainWindow::EndDialog()
{
    m_ending = true;
    close();
}

void CQtMainWindow::SendCommand(unsigned id, const QWidget* source)
{
    m_commandSource = source;
    m_target.OnCommand(id);
    m_commandSource = nullptr;
}

CRect CQtMainWindow::GetCommandSourceRect() const
{
    if (m_commandSource != nullptr) {
        const QPoint topLeft = m_commandSource->mapToGlobal(QPoint(0, 0));
        return {topLeft.x(), topLeft.y(), topLeft.x() + m_commandSource->width(),
                topLeft.y() + m_commandSource->height()};
    }
    const QPoint pointer = QCursor::pos();
    return {pointer.x(), pointer.y(), pointer.x() + 1, pointer.y() + 1};
}

CSize CQtMainWindow::GetScreenSize() const
{
    const QSize size = screen()->size();
    return {size.width(), size.height()};
}

void CQtMainWindow::TrackPopupMenu(const SMenuItem& menu, CPoint point, bool above)
{
    QMenu popup(this);
    FillMenu(popup, menu.items);
    QPoint position(point.x, point.y);
    if (above) {
        position.ry() -= popup.sizeHint().height();
    }
    popup.exec(position);
}

void CQtMainWindow::closeEvent(QCloseEvent* event)
{
    // The dialog decides (it may ask to save first); agreeing, it ends
    // itself through EndDialog.
    if (!m_ending) {
        m_target.OnClose();
    }
    event->setAccepted(m_ending);
}
