#pragma once

#include <cstdint>
#include <string>

#include "model/stipplebox_accessor.h"

// One undoable change of the document. The command manager runs it, keeps it
// for undo and redo, and deletes it when the history outgrows its budget.
class CCommand : public CStippleboxAccessor {
public:
    virtual ~CCommand();

    // Performs the change for the first time and captures what undo needs.
    // A refusing command returns false, after SetCommandErrorMessage when the
    // user should learn why.
    virtual bool Execute();
    virtual void Undo();
    virtual void Redo();
    // The bytes the command holds: itself plus every snapshot and buffer it owns.
    virtual int GetDataSize() const;
    // The name shown in the undo and redo menu items.
    virtual std::string GetTitle() const;

    // GetDataSize, remembered when recompute is set; otherwise the remembered
    // value, so the history's total stays consistent while a command changes.
    int GetSize(bool recompute);

    // The program-wide reason the last refusing command gave; the manager
    // empties it before each run.
    static const std::string& GetCommandErrorMessage();
    static void SetCommandErrorMessage(std::string message);
    static void ClearCommandErrorMessage();

private:
    int32_t m_cachedDataSize = 0;
};
