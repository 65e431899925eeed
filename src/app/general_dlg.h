#pragma once

class IModalDialogs;

// The general settings dialog: whether a long press of a drawing tool picks
// the colour under it, and whether a new or opened picture is zoomed to fit
// the window.
class CGeneralDlg {
public:
    explicit CGeneralDlg(bool pickByLongPress) : m_pickByLongPress(pickByLongPress) {}

    bool DoModal(IModalDialogs& dialogs);

    bool IsPickingByLongPress() const { return m_pickByLongPress; }
    void SetPickByLongPress(bool pick) { m_pickByLongPress = pick; }
    bool IsFittingToWindow() const { return m_fitToWindow; }
    void SetFitToWindow(bool fit) { m_fitToWindow = fit; }

private:
    bool m_pickByLongPress;
    bool m_fitToWindow = true;
};
