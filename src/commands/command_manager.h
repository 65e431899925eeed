#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>

#include "commands/command.h"

class ICmdUI;

// The undo history of the open document: runs commands, moves them between
// the undo and redo lists, and drops the oldest when the history outgrows its
// byte budget. A new or opened document gets a fresh manager.
class CCommandManager {
public:
    static constexpr int kHistoryBudgetMiB = 2;

    CCommandManager();
    ~CCommandManager();
    CCommandManager(const CCommandManager&) = delete;
    CCommandManager& operator=(const CCommandManager&) = delete;

    // Runs the command and keeps it on success; a refused or failed command is
    // deleted. With report set, a refusing command's error message is shown.
    bool Execute(std::unique_ptr<CCommand> command, bool report);
    // False when there is nothing to undo; title (when given) receives the
    // undone command's title.
    bool Undo(std::string* title);
    bool Redo(std::string* title);

    // "元に戻す" / "やり直す", with ":" and the next command's title when there
    // is one; disabled otherwise.
    void OnUpdateUndo(ICmdUI& cmdUI) const;
    void OnUpdateRedo(ICmdUI& cmdUI) const;

    // The net number of changes since the document was created, opened or
    // saved; undoing past the save point makes it negative.
    int GetChangeCount() const { return m_changeCount; }
    bool IsModified() const { return m_changeCount != 0; }
    void ResetChangeCount() { m_changeCount = 0; }
    // For a document that differs from its file from the start (one restored
    // after a crash): no undo reaches a saved state.
    void MarkChangedSinceSave() { m_changeCount = 1; }
    // Counts every execute, undo and redo; never goes back, so that two
    // different states of the document never share a number.
    uint64_t GetEditGeneration() const { return m_editGeneration; }

    // The bytes held by every command of both lists.
    int64_t GetTotalSize() const { return m_totalSize; }
    // The bytes held by the newest command, which the budget always keeps.
    int GetNewestSize() const { return m_undoList.empty() ? 0 : m_undoList.back()->GetSize(false); }

private:
    using CommandList = std::list<std::unique_ptr<CCommand>>;

    // Moves the newest command of one list to the other, running the operation
    // on the way.
    bool MoveNewest(CommandList& from, CommandList& to, std::string* title, const char* action,
                    void (CCommand::*operation)(), int changeDelta);
    void DeleteRedoList();
    void TrimToBudget();

    CommandList m_undoList;  // oldest first
    CommandList m_redoList;  // most recently undone last
    int64_t m_totalSize = 0;
    int32_t m_changeCount = 0;
    uint64_t m_editGeneration = 0;
};
