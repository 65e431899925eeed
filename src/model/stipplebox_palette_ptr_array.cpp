#include "model/stipplebox_palette_ptr_array.h"

#include "platform/exceptions.h"

CStippleboxPalette* CStippleboxPalettePtrArray::NewPalette(int index)
{
    auto palette = std::make_unique<CStippleboxPalette>();
    palette->Create(CStippleboxPalette::kEntryCount, true);
    palette->SetName(FormatNewName("Pal%03d"));
    return InsertAt(index, std::move(palette));
}

void CStippleboxPalettePtrArray::BeginElement(uint32_t)
{
    if (GetSize() >= kMaxPalettes) {
        throw CDataFormatException("パレットが多すぎます。");
    }
}
