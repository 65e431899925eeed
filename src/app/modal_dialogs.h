#pragma once

class CNewDocumentDlg;

// Shows the forms of the program's dialogs. Each form edits the fields of
// its dialog's logic and returns true when the user confirmed with OK.
class IModalDialogs {
public:
    virtual ~IModalDialogs() = default;
    virtual bool RunNewDocument(CNewDocumentDlg& dialog) = 0;
};
