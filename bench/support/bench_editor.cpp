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

CBenchEditor::CBenchEditor(int size, int layerCount)
    : m_dialog(std::make_unique<CStippleboxDlg>(std::filesystem::temp_directory_path() / "stipplebox-bench-settings",
                                                m_dialogs))
{
    m_dialog->OnInitDialog(m_dialogHost);
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
