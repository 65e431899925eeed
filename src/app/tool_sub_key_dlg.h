#pragma once

#include "app/tool_sub_key.h"

class IModalDialogs;

// The tool sub-key settings dialog: the list of sub-key functions, each with
// its key, edited in a copy that OK keeps.
class CToolSubKeyDlg {
public:
    explicit CToolSubKeyDlg(const CToolSubKey& subKeys) : m_subKeys(subKeys) {}

    bool DoModal(IModalDialogs& dialogs);

    CToolSubKey& GetSubKeys() { return m_subKeys; }
    const CToolSubKey& GetSubKeys() const { return m_subKeys; }
    void ResetToDefaults();

private:
    CToolSubKey m_subKeys;
};
