#include "support/bench_editor.h"

#include <filesystem>

#include "model/stipplebox_data.h"
#include "support/pixel_art.h"

void CBenchEditor::CNoScreenHost::ReleaseCapture()
{
    if (m_captured) {
        m_captured = false;
        window->OnCaptureChanged(nullptr);
    }
}

std::unique_ptr<IToolWindowHost> CBenchEditor::CNoDialogHost::CreateToolWindow(CFrameworkWnd& window, const CRect&)
{
    return std::make_unique<CNoScreenToolWindow>(window);
}

CBenchEditor::CNoScreenToolWindow::CNoScreenToolWindow(CFrameworkWnd& window) : m_window(window)
{
    for (CWnd* child : m_window.GetChildren()) {
        m_hosts.push_back(std::make_unique<CNoScreenHost>());
        m_hosts.back()->window = child;
        child->AttachHost(m_hosts.back().get());
    }
    m_window.AttachHost(this);
    const CSize client = m_window.GetDefaultClientSize();
    m_window.OnSize(client.cx, client.cy);
}

CBenchEditor::CNoScreenToolWindow::~CNoScreenToolWindow()
{
    m_window.AttachHost(nullptr);
    for (CWnd* child : m_window.GetChildren()) {
        child->AttachHost(nullptr);
    }
}

CBenchEditor::CBenchEditor(int size, int layerCount)
    : m_dialog(std::make_unique<CStippleboxDlg>(std::filesystem::temp_directory_path() / "stipplebox-bench-settings",
                                                m_dialogs))
{
    m_dialog->OnInitDialog(m_dialogHost);
    // Every picture at zoom 1, whatever size it is.
    m_dialog->SetFitToWindow(false);
    std::unique_ptr<CStippleboxData> document = MakePixelArtDocument(size, size, layerCount, 11);
    CStippleboxLayerPtrArray& layers = *document->GetLayers();
    for (int i = 0; i < layers.GetSize(); ++i) {
        layers[i]->SetLinkID(1);
        layers[i]->SetVisible(true);
    }
    layers.SetCurrentIndex(layerCount / 2);
    document->SetDrawingColor(200);
    m_screen.window = &Canvas();
    Canvas().AttachHost(&m_screen);
    Canvas().OnSize(1280, 800);
    m_dialog->InstallDocument(std::move(document), {});
}

CBenchEditor::~CBenchEditor()
{
    Canvas().AttachHost(nullptr);
}

CPoint CBenchEditor::ToScreen(CPoint image)
{
    return Canvas().ImageToScreen({image.x, image.y, image.x + 1, image.y + 1}).TopLeft();
}

void CBenchEditor::Press(CPoint image)
{
    Canvas().OnLButtonDown(MK_LBUTTON, ToScreen(image));
}

void CBenchEditor::Move(CPoint image)
{
    Canvas().OnMouseMove(MK_LBUTTON, ToScreen(image));
}

void CBenchEditor::Release(CPoint image)
{
    Canvas().OnLButtonUp(0, ToScreen(image));
}
