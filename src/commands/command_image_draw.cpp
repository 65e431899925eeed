#include "commands/command_image_draw.h"

#include <cstring>

#include "commands/compress_data.h"
#include "model/stipplebox_data.h"
#include "views/image_edit_wnd.h"

namespace {

// The rectangle's pixels of a canvas-wide block (row stride = canvas width).
std::vector<uint8_t> CopyBlock(const uint8_t* canvas, int stride, const CRect& rect)
{
    std::vector<uint8_t> block(size_t(rect.Width()) * size_t(rect.Height()));
    for (int y = rect.top; y < rect.bottom; ++y) {
        std::memcpy(&block[size_t(y - rect.top) * rect.Width()], canvas + size_t(y) * stride + rect.left,
                    size_t(rect.Width()));
    }
    return block;
}

void PasteBlock(const std::vector<uint8_t>& block, uint8_t* canvas, int stride, const CRect& rect)
{
    for (int y = rect.top; y < rect.bottom; ++y) {
        std::memcpy(canvas + size_t(y) * stride + rect.left, &block[size_t(y - rect.top) * rect.Width()],
                    size_t(rect.Width()));
    }
}

}  // namespace

CCommandImageDraw::CCommandImageDraw(const CRect& rect) : m_rect(rect) {}

CCommandImageDraw::~CCommandImageDraw() = default;

bool CCommandImageDraw::Execute()
{
    if (!GetImageEditWnd()->ClipToEditArea(m_rect, true, false, true)) {
        return false;
    }
    CImageEditWnd& window = *GetImageEditWnd();
    m_pixels = std::make_unique<CCompressData>();
    m_pixels->Compress(CopyBlock(window.GetBackup().data(), GetData()->GetWidth(), m_rect));
    window.UpdateBackup(m_rect);
    return true;
}

void CCommandImageDraw::Undo()
{
    CImageEditWnd& window = *GetImageEditWnd();
    const int stride = GetData()->GetWidth();
    const std::vector<uint8_t> stored = m_pixels->Decompress();
    // The backup equals the layer here: it holds the state being replaced.
    m_pixels->Compress(CopyBlock(window.GetBackup().data(), stride, m_rect));
    PasteBlock(stored, GetCurrentLayer()->GetPixels(), stride, m_rect);
    window.UpdateBackup(m_rect);
    window.Refresh(m_rect, true, true, false, false);
}

int CCommandImageDraw::GetDataSize() const
{
    return (m_pixels ? m_pixels->GetDataSize(true) : 0) + 28;
}
