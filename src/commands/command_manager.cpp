#include "commands/command_manager.h"

#include "platform/cmd_ui.h"
#include "platform/message_box.h"

namespace {

// Runs one step of a command. An exception of any kind is reported with the
// command's title, and the step counts as not done.
template <class Step>
bool RunReportingExceptions(const CCommand& command, const char* action, Step step)
{
    try {
        step();
        return true;
    } catch (...) {
        ShowMessageBox("コマンド「" + command.GetTitle() + "」を" + action +
                           "中に例外が発生しました。\n\n例外が発生する手順を報告して頂けると助かります。",
                       MessageBoxButtons::Ok, MessageBoxIcon::None);
        return false;
    }
}

// The item names the command it would act on; with none it is disabled.
void UpdateMenuItem(ICmdUI& cmdUI, const CCommand* next, std::string label)
{
    cmdUI.Enable(next != nullptr);
    if (next != nullptr) {
        label += ':';
        label += next->GetTitle();
    }
    cmdUI.SetText(label);
}

}  // namespace

CCommandManager::CCommandManager() = default;

CCommandManager::~CCommandManager()
{
    m_redoList.clear();
    m_undoList.clear();
}

bool CCommandManager::Execute(std::unique_ptr<CCommand> command, bool report)
{
    CCommand::ClearCommandErrorMessage();
    bool executed = false;
    if (!RunReportingExceptions(*command, "実行", [&] { executed = command->Execute(); })) {
        return false;
    }
    if (!executed) {
        if (report && !CCommand::GetCommandErrorMessage().empty()) {
            ShowMessageBox(CCommand::GetCommandErrorMessage(), MessageBoxButtons::Ok, MessageBoxIcon::None);
        }
        return false;
    }
    m_undoList.push_back(std::move(command));
    m_totalSize += m_undoList.back()->GetSize(true);
    DeleteRedoList();
    ++m_changeCount;
    ++m_editGeneration;
    TrimToBudget();
    return true;
}

bool CCommandManager::Undo(std::string* title)
{
    return MoveNewest(m_undoList, m_redoList, title, "アンドゥ", &CCommand::Undo, -1);
}

bool CCommandManager::Redo(std::string* title)
{
    return MoveNewest(m_redoList, m_undoList, title, "リドゥ", &CCommand::Redo, +1);
}

bool CCommandManager::MoveNewest(CommandList& from, CommandList& to, std::string* title, const char* action,
                                 void (CCommand::*operation)(), int changeDelta)
{
    if (from.empty()) {
        return false;
    }
    std::unique_ptr<CCommand> command = std::move(from.back());
    from.pop_back();
    if (title != nullptr) {
        *title = command->GetTitle();
    }
    m_totalSize -= command->GetSize(false);
    // Even a command that failed half-way moves over, so the user can step
    // back across it.
    RunReportingExceptions(*command, action, [&] { ((*command).*operation)(); });
    m_totalSize += command->GetSize(true);  // undo and redo change what a command holds
    to.push_back(std::move(command));
    m_changeCount += changeDelta;
    ++m_editGeneration;
    return true;
}

void CCommandManager::DeleteRedoList()
{
    for (const auto& command : m_redoList) {
        m_totalSize -= command->GetSize(false);
    }
    m_redoList.clear();
}

void CCommandManager::TrimToBudget()
{
    // The newest command stays even when it alone exceeds the budget.
    while (m_undoList.size() > 1 && m_totalSize > (int64_t{kHistoryBudgetMiB} << 20)) {
        m_totalSize -= m_undoList.front()->GetSize(false);
        m_undoList.pop_front();
    }
}

void CCommandManager::OnUpdateUndo(ICmdUI& cmdUI) const
{
    UpdateMenuItem(cmdUI, m_undoList.empty() ? nullptr : m_undoList.back().get(), "元に戻す");
}

void CCommandManager::OnUpdateRedo(ICmdUI& cmdUI) const
{
    UpdateMenuItem(cmdUI, m_redoList.empty() ? nullptr : m_redoList.back().get(), "やり直す");
}
