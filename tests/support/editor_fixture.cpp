#include "support/editor_fixture.h"

#include "app/new_document.h"
#include "model/stipplebox_data.h"

void SetRows(CStippleboxLayer& layer, const PixelRows& rows)
{
    for (int y = 0; y < int(rows.size()); ++y) {
        for (int x = 0; x < int(rows[size_t(y)].size()); ++x) {
            layer.SetPixel(x, y, uint8_t(std::stoi(rows[size_t(y)].substr(size_t(x), 1), nullptr, 16)));
        }
    }
}

PixelRows GetRows(const CStippleboxLayer& layer)
{
    static const char digits[] = "0123456789ABCDEF";
    PixelRows rows(size_t(layer.GetHeight()));
    for (int y = 0; y < layer.GetHeight(); ++y) {
        for (int x = 0; x < layer.GetWidth(); ++x) {
            const uint8_t index = layer.GetPixel(x, y);
            rows[size_t(y)] += index < 16 ? digits[index] : '*';
        }
    }
    return rows;
}

std::unique_ptr<CStippleboxData> MakeRowsDocument(const std::vector<PixelRows>& layers)
{
    const int width = int(layers.front().front().size());
    const int height = int(layers.front().size());
    auto document = CreateNewDocument(width, height, ENewDocumentPalette::Greyscale, ENewDocumentBackground::EntryZero);
    for (size_t i = 1; i < layers.size(); ++i) {
        document->GetLayers()->NewLayer(int(i), width, height);
    }
    for (size_t i = 0; i < layers.size(); ++i) {
        SetRows(*(*document->GetLayers())[int(i)], layers[i]);
    }
    document->SetDrawingColor(9);
    return document;
}

CCanvasDriver::CCanvasDriver(CImageEditWnd& canvas, int zoom) : m_canvas(canvas), m_host(canvas), m_zoom(zoom)
{
    m_canvas.OnSize(640, 480);
}

void CCanvasDriver::ShowTopLeft()
{
    m_canvas.SetZoom(m_zoom, false);
    m_canvas.ResetView(false);
    m_canvas.SetScroll(0, 0, true);
}

CPoint CCanvasDriver::ToScreen(CPoint image) const
{
    const CRect pixel = m_canvas.ImageToScreen({image.x, image.y, image.x + 1, image.y + 1});
    return {pixel.left + m_zoom / 2, pixel.top + m_zoom / 2};
}

void CCanvasDriver::Press(CPoint image)
{
    m_canvas.OnLButtonDown(MK_LBUTTON, ToScreen(image));
}

void CCanvasDriver::Move(CPoint image)
{
    m_canvas.OnMouseMove(MK_LBUTTON, ToScreen(image));
}

void CCanvasDriver::Release(CPoint image)
{
    m_canvas.OnLButtonUp(0, ToScreen(image));
}

void CCanvasDriver::Stroke(const std::vector<CPoint>& points)
{
    Press(points.front());
    for (size_t i = 1; i < points.size(); ++i) {
        Move(points[i]);
    }
    Release(points.back());
}

CEditorTest::CEditorTest() : canvas(dialog.GetImageEditWnd(), 2) {}

void CEditorTest::Open(std::unique_ptr<CStippleboxData> document)
{
    dialog.InstallDocument(std::move(document), {});
    canvas.ShowTopLeft();
}

CStippleboxLayer& CEditorTest::Layer(int index)
{
    return *(*Document().GetLayers())[index];
}

CStippleboxLayer& CEditorTest::CurrentLayer()
{
    return *Document().GetCurrentLayer();
}
