#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>

#include "model/stipplebox_data.h"
#include "platform/exceptions.h"
#include "platform/file.h"
#include "platform/headless_message_box.h"

// Boxes that a reader shows (the native reader's file errors) are recorded,
// not printed, and tell whether a refusal was explained.
inline CHeadlessMessageBox& FuzzMessageBox()
{
    static CHeadlessMessageBox box;
    static const bool installed = (SetMessageBox(&box), true);
    (void)installed;
    return box;
}

[[noreturn]] inline void FuzzFinding(const char* what)
{
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

// What the editor relies on in every document a reader accepts.
inline void ExpectCompleteDocument(const CStippleboxData& document)
{
    const CStippleboxLayerPtrArray* layers = document.GetLayers();
    const CStippleboxPalettePtrArray* palettes = document.GetPalettes();
    if (document.GetWidth() < 1 || document.GetHeight() < 1 || document.GetWidth() > CStippleboxData::kMaxCanvasSize ||
        document.GetHeight() > CStippleboxData::kMaxCanvasSize) {
        FuzzFinding("accepted a canvas size out of range");
    }
    if (layers == nullptr || layers->IsEmpty() || palettes == nullptr || palettes->IsEmpty() ||
        layers->GetCurrentIndex() < 0 || layers->GetCurrentIndex() >= layers->GetSize() ||
        palettes->GetCurrentIndex() < 0 || palettes->GetCurrentIndex() >= palettes->GetSize()) {
        FuzzFinding("accepted a document without its layers, palettes or current ones");
    }
    const size_t pixels = size_t(document.GetWidth()) * size_t(document.GetHeight());
    for (int i = 0; i < layers->GetSize(); ++i) {
        if (layers->GetAt(i)->GetPixelCount() != pixels) {
            FuzzFinding("accepted a layer without the canvas's pixels");
        }
    }
    for (int i = 0; i < palettes->GetSize(); ++i) {
        if (palettes->GetAt(i)->GetCount() != CStippleboxPalette::kEntryCount) {
            FuzzFinding("accepted a palette without its entries");
        }
    }
}

// Reads the bytes with a format's reader as the editor would open a file and
// returns the document it accepts. A refusal is a clean outcome when it says
// why: a false result with an error text or a message box, or a framework
// exception. A crash, a sanitizer report, another exception, a silent
// refusal or an incomplete document is a finding.
template <class TSerializer>
std::unique_ptr<CStippleboxData> FuzzReadDocument(std::span<const uint8_t> bytes)
{
    CHeadlessMessageBox& boxes = FuzzMessageBox();
    boxes.ClearRecords();
    // The memory file only reads the block.
    CMemFile file(std::span<uint8_t>(const_cast<uint8_t*>(bytes.data()), bytes.size()));
    TSerializer serializer;
    auto document = std::make_unique<CStippleboxData>();
    try {
        if (serializer.ReadFrom(file, document.get(), false)) {
            ExpectCompleteDocument(*document);
            return document;
        }
        if (serializer.GetErrorText().empty() && boxes.GetRecords().empty()) {
            FuzzFinding("refused without a message");
        }
    } catch (const CException&) {
    }
    return nullptr;
}

template <class TSerializer>
int FuzzRead(const uint8_t* data, size_t size)
{
    FuzzReadDocument<TSerializer>({data, size});
    return 0;
}
