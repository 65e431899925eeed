#include "platform/qt/qt_command_menu.h"

#include <QMenu>

#include "platform/cmd_ui.h"
#include "platform/dialog_host.h"

namespace {

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

// Puts the keys of the action's command beside its label: a menu shows what
// follows a tab as the item's shortcut.
void ShowKeys(QAction& action, const ICommandTarget& target)
{
    const QString label = action.text().section('\t', 0, 0);
    const std::string keys = target.GetKeyText(GetCommandID(action));
    action.setText(keys.empty() ? label : label + '\t' + QString::fromStdString(keys));
}

}  // namespace

QString MenuText(const std::string& text)
{
    return QString::fromStdString(text).replace('&', "&&");
}

unsigned GetCommandID(const QAction& action)
{
    return action.data().toUInt();
}

void FillCommandMenu(QMenu& menu, const std::vector<SMenuItem>& items, ICommandTarget& target, QObject& context)
{
    for (const SMenuItem& item : items) {
        if (item.IsSeparator()) {
            menu.addSeparator();
        } else if (item.IsSubmenu()) {
            FillCommandMenu(*menu.addMenu(MenuText(item.label)), item.items, target, context);
        } else {
            QAction* action = menu.addAction(MenuText(item.label));
            action->setData(item.id);
            ShowKeys(*action, target);
            const unsigned id = item.id;
            QObject::connect(action, &QAction::triggered, &context, [&target, id] { target.OnCommand(id); });
        }
    }
    QObject::connect(&menu, &QMenu::aboutToShow, &context,
                     [&menu, &target] { UpdateCommandActions(menu.actions(), target); });
}

void UpdateCommandActions(const QList<QAction*>& actions, ICommandTarget& target)
{
    for (QAction* action : actions) {
        if (const unsigned id = GetCommandID(*action); id != 0) {
            CQtActionCmdUI cmdUI(*action, id);
            target.OnUpdateCommand(cmdUI);
            ShowKeys(*action, target);
        }
    }
}
