#include "app/new_document.h"

#include "app/palette_tables.h"
#include "model/stipplebox_data.h"

namespace {

constexpr SPaletteColor kWhite{255, 255, 255};
constexpr SPaletteColor kBlack{0, 0, 0};

void FillPalette(CStippleboxPalette& palette, ENewDocumentPalette choice)
{
    switch (choice) {
    case ENewDocumentPalette::Default:
        FillPaletteFromTable(palette, kDefaultPaletteTable);
        return;
    case ENewDocumentPalette::Second:
        FillPaletteFromTable(palette, kSecondPaletteTable);
        return;
    case ENewDocumentPalette::Greyscale:
        for (int i = 0; i < CStippleboxPalette::kEntryCount; ++i) {
            const auto grey = static_cast<uint8_t>(i);
            palette.SetColor(i, {grey, grey, grey});
        }
        return;
    case ENewDocumentPalette::AllBlack:
        for (int i = 0; i < CStippleboxPalette::kEntryCount; ++i) {
            palette.SetColor(i, kBlack);
        }
        return;
    }
}

uint8_t ChooseBackground(const CStippleboxPalette& palette, ENewDocumentBackground choice)
{
    switch (choice) {
    case ENewDocumentBackground::White:
        return static_cast<uint8_t>(palette.FindNearest(kWhite));
    case ENewDocumentBackground::Black:
        return static_cast<uint8_t>(palette.FindNearest(kBlack));
    case ENewDocumentBackground::EntryZero:
        break;
    }
    return 0;
}

}  // namespace

std::unique_ptr<CStippleboxData> CreateNewDocument(int width, int height, ENewDocumentPalette palette,
                                                   ENewDocumentBackground background)
{
    auto document = std::make_unique<CStippleboxData>();
    document->Create(width, height);
    CStippleboxPalette& colors = *document->GetCurrentPalette();
    FillPalette(colors, palette);
    document->SetBackgroundColor(ChooseBackground(colors, background));
    document->GetCurrentLayer()->Fill(document->GetBackgroundColor());
    return document;
}

std::unique_ptr<CStippleboxData> CreateStartupDocument()
{
    auto document = CreateNewDocument(64, 64, ENewDocumentPalette::Default, ENewDocumentBackground::White);
    document->SetDrawingColor(static_cast<uint8_t>(document->GetCurrentPalette()->FindNearest(kBlack)));
    return document;
}
