#pragma once

class IModalDialogs;

// The general settings dialog: whether a long press of a drawing tool picks
// the colour under it.
class CGeneralDlg {
public:
    explicit CGeneralDlg(bool pickByLongPress) : m_pickByLongPress(pickByLongPress) {}

    bool DoModal(IModalDialogs& dialogs);

    bool IsPickingByLongPress() const { return m_pickByLongPress; }
    void SetPickByLongPress(bool pick) { m_pickByLongPress = pick; }

private:
    bool m_pickByLongPress;
};
