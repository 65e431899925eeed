#pragma once

#include <memory>

#include "app/framework_wnd.h"
#include "app/modal_dialogs.h"
#include "app/stipplebox_dlg.h"
#include "platform/dialog_host.h"
#include "platform/window.h"

// The real main dialog without a screen, its canvas showing a document of
// pixel-art layers that are all visible and linked, the current one in the
// middle of the stack: the whole path of an edit, from a pointer message to
// the painted back buffer and the undo history.
class CBenchEditor {
public:
    CBenchEditor(int size, int layerCount);
    ~CBenchEditor();

    CStippleboxDlg& Dialog() { return *m_dialog; }
    CImageEditWnd& Canvas() { return m_dialog->GetImageEditWnd(); }
    // The screen point of an image pixel's top-left.
    CPoint ToScreen(CPoint image);
    void Press(CPoint image);
    void Move(CPoint image);
    void Release(CPoint image);

private:
    // Cancels every dialog; the benchmarks run commands directly.
    class CNoDialogs final : public IModalDialogs {
        bool RunNewDocument(CNewDocumentDlg&) override { return false; }
        bool RunImageResize(CImageResizeDlg&) override { return false; }
        bool RunImageRotate(CImageRotateDlg&) override { return false; }
        bool RunImageScaling(CImageScalingDlg&) override { return false; }
        bool RunDelayAll(CDelayAllDlg&) override { return false; }
        bool RunGrid(CGridDlg&) override { return false; }
        bool RunGeneral(CGeneralDlg&) override { return false; }
        bool RunPaletteProperty(CPalettePropertyDlg&) override { return false; }
        bool RunToolBarCustomize(CToolBarCustomizeDlg&) override { return false; }
        bool RunVersion(CVersionDlg&) override { return false; }
        bool RunLayerProperty(CLayerPropertyDlg&) override { return false; }
        bool RunAccelerator(CAcceleratorDlg&) override { return false; }
        bool RunToolSubKey(CToolSubKeyDlg&) override { return false; }
        bool RunSpriteSheet(CSpriteSheetDlg&) override { return false; }
    };
    class CNoDialogHost final : public IDialogHost {
        void SetWindowText(const std::string&) override {}
        void EndDialog() override {}
        CRect GetCommandSourceRect() const override { return {}; }
        CSize GetScreenSize() const override { return {1280, 800}; }
        void TrackPopupMenu(const SMenuItem&, CPoint, bool) override {}
        std::unique_ptr<IToolWindowHost> CreateToolWindow(CFrameworkWnd& window, const CRect&) override;
        void SetTimer(int, int) override {}
        void KillTimer(int) override {}
    };
    // Keeps the capture; presenting and timers cost nothing.
    class CNoScreenHost final : public IWindowHost {
    public:
        void SetCapture() override { m_captured = true; }
        void ReleaseCapture() override;
        bool HasCapture() const override { return m_captured; }
        void SetTimer(int, int) override {}
        void KillTimer(int) override {}
        void Present(const CRect&) override {}
        CWnd* window = nullptr;

    private:
        bool m_captured = false;
    };

    // A tool window's children at its default size, each on a screen host.
    class CNoScreenToolWindow final : public IToolWindowHost {
    public:
        explicit CNoScreenToolWindow(CFrameworkWnd& window);
        ~CNoScreenToolWindow() override;
        void SetWindowText(const std::string&) override {}
        void MoveChild(CWnd& child, const CRect& rect) override { child.OnSize(rect.Width(), rect.Height()); }
        void ShowLabel(int, const CFrameworkWnd::SLabel&) override {}
        void ShowScrollBar(int, const CFrameworkWnd::SScrollBar&) override {}
        void UpdateButtons() override {}
        CRect GetCommandSourceRect() const override { return {}; }
        void TrackPopupMenu(const SMenuItem&, CPoint) override {}
        void PostClose() override {}
        CRect GetWindowRect() const override { return {}; }
        void Activate() override {}

    private:
        CFrameworkWnd& m_window;
        std::vector<std::unique_ptr<CNoScreenHost>> m_hosts;
    };

    CNoDialogs m_dialogs;
    CNoDialogHost m_dialogHost;
    CNoScreenHost m_screen;
    std::unique_ptr<CStippleboxDlg> m_dialog;
};
