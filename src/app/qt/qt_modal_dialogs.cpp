#include "app/qt/qt_modal_dialogs.h"

#include "app/qt/new_document_form.h"

bool CQtModalDialogs::RunNewDocument(CNewDocumentDlg& dialog)
{
    CNewDocumentForm form(dialog, m_parent);
    return form.exec() == QDialog::Accepted;
}
