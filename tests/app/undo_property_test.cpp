// Undo must be trustworthy: after any run of edits, undoing all of them gives
// the document back bit for bit, and redoing all of them gives the end state
// again. Random runs of every edit the editor offers, for many seeds.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>

#include "commands/command_image_effects.h"
#include "model/floating_selection.h"
#include "model/layer_cache.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "support/editor_fixture.h"
#include "support/random_edits.h"
#include "support/test_documents.h"

namespace {

constexpr int kSteps = 250;
constexpr int64_t kHistoryBudget = int64_t{CCommandManager::kHistoryBudgetMiB} << 20;

// What must come back: the document's stored bytes, and of each layer's
// selection what no later lift recomputes from the layer: its place, its
// mask and the selected pixels that lie off the canvas.
struct SEditState {
    std::vector<uint8_t> stream;
    std::vector<std::vector<int>> selections;
    friend bool operator==(const SEditState&, const SEditState&) = default;
};

SEditState Capture(CStippleboxData& document)
{
    // Colour commands pick their entry as the drawing colour, as a click in
    // the palette does, outside the history.
    const uint8_t drawingColor = document.GetDrawingColor();
    document.SetDrawingColor(0);
    SEditState state{WriteChunkStream(document), {}};
    document.SetDrawingColor(drawingColor);
    const CStippleboxLayerPtrArray& layers = *document.GetLayers();
    for (int i = 0; i < layers.GetSize(); ++i) {
        const CStippleboxImageSelection& selection = layers[i]->GetSelection();
        std::vector<int>& kept = state.selections.emplace_back();
        if (!selection.HasMask()) {
            continue;
        }
        const CRect& rect = selection.GetRect();
        kept = {rect.left, rect.top, rect.right, rect.bottom};
        kept.insert(kept.end(), selection.GetMask().begin(), selection.GetMask().end());
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                const size_t at = size_t(y - rect.top) * rect.Width() + size_t(x - rect.left);
                const bool offCanvas = !CRect{0, 0, document.GetWidth(), document.GetHeight()}.PtInRect({x, y});
                if (selection.GetMask()[at] != 0 && offCanvas) {
                    kept.push_back(selection.GetFloating()[at]);
                }
            }
        }
    }
    return state;
}

int SeedCount()
{
    const char* count = std::getenv("STIPPLEBOX_UNDO_SEEDS");
    return count != nullptr ? std::max(1, std::atoi(count)) : 24;
}

class UndoProperty : public CEditorTest, public ::testing::WithParamInterface<uint32_t> {
protected:
    // A floating selection on the current layer's link group, partly off the
    // canvas with its own pixels there, as a drag leaves one.
    void MakeFloatingSelection(std::mt19937& random)
    {
        const CSize size = Document().GetCanvasSize();
        const CPoint corner{int(random() % 8) - 3, int(random() % 8) - 3};
        const CRect rect{corner.x, corner.y, corner.x + 1 + int(random() % size.cx),
                         corner.y + 1 + int(random() % size.cy)};
        std::vector<uint8_t> mask(size_t(rect.Width()) * size_t(rect.Height()));
        std::generate(mask.begin(), mask.end(), [&random] { return uint8_t(random() % 4 != 0); });
        const std::vector<CStippleboxLayer*> layers =
            GetLayersAt(*Document().GetLayers(), dialog.GetImageEditWnd().GetLayerCache().GetLinkedList());
        for (CStippleboxLayer* layer : layers) {
            CStippleboxImageSelection& selection = layer->GetSelection();
            selection.Create(rect, mask);
            std::vector<uint8_t>& floating = selection.GetFloating();
            std::generate(floating.begin(), floating.end(), [&random] { return uint8_t(random()); });
            std::fill(selection.GetUnderneath().begin(), selection.GetUnderneath().end(), 0);
        }
        GrabUnderneath(layers);
        PaintSelections(layers, false, 0);
        dialog.OnLayersChanged(true);
    }

    // The canvas shows what the layers make, and its backup is the current
    // layer: any stale rectangle would show here.
    ::testing::AssertionResult CanvasFollowsDocument()
    {
        CImageEditWnd& window = dialog.GetImageEditWnd();
        const std::vector<uint8_t>& backup = window.GetBackup();
        if (!std::equal(backup.begin(), backup.end(), CurrentLayer().GetPixels())) {
            return ::testing::AssertionFailure() << "the backup differs from the current layer";
        }
        CLayerCache fresh;
        fresh.SetDocument(&Document());
        fresh.Rebuild();
        const size_t count = size_t(Document().GetWidth()) * size_t(Document().GetHeight());
        if (std::memcmp(fresh.GetPixels(), window.GetLayerCache().GetPixels(), count) != 0) {
            return ::testing::AssertionFailure() << "the picture differs from the layers";
        }
        return ::testing::AssertionSuccess();
    }

    static void AddAllActions(CRandomEditor& editor)
    {
        AddDrawingActions(editor);
        AddEffectActions(editor);
        AddLayerActions(editor);
        AddSelectionActions(editor);
        AddPaletteActions(editor);
    }
};

}  // namespace

TEST_P(UndoProperty, UndoingEverythingRestoresTheDocumentAndRedoingRestoresTheEnd)
{
    const uint32_t seed = GetParam();
    std::mt19937 random(seed);
    Open(MakeRichDocument(6 + int(random() % 30), 6 + int(random() % 30), 1 + int(random() % 4),
                          1 + int(random() % 2), seed));
    if (seed % 3 != 0) {
        MakeFloatingSelection(random);
    }
    const SEditState before = Capture(Document());

    CRandomEditor editor(dialog, dialogs, canvas, seed);
    AddAllActions(editor);
    for (int step = 0; step < kSteps; ++step) {
        editor.Step();
        const CCommandManager& history = dialog.GetCommandManager();
        ASSERT_LE(history.GetTotalSize(), kHistoryBudget + history.GetNewestSize());
        ASSERT_TRUE(CanvasFollowsDocument()) << editor.GetTrace();
    }
    const SEditState end = Capture(Document());

    while (Undo()) {
        ASSERT_TRUE(CanvasFollowsDocument()) << editor.GetTrace();
    }
    EXPECT_TRUE(Capture(Document()) == before) << "seed " << seed << ": " << editor.GetTrace();
    while (Redo()) {
    }
    EXPECT_TRUE(Capture(Document()) == end) << "seed " << seed << ": " << editor.GetTrace();
    EXPECT_TRUE(CanvasFollowsDocument());
}

INSTANTIATE_TEST_SUITE_P(Seeds, UndoProperty, ::testing::Range(1u, 1u + unsigned(SeedCount())));

// Scaling a canvas of noise keeps every layer whole in the history, so the
// budget is soon reached: the oldest steps go, the newest always stays, and
// what is left still undoes and redoes exactly.
TEST_F(CEditorTest, TheHistoryKeepsToItsBudgetAndWhatItKeepsStillUndoesExactly)
{
    auto document = MakeRichDocument(256, 256, 3, 1, 99);
    for (int i = 0; i < 3; ++i) {
        (*document->GetLayers())[i]->SetLinkID(1);
    }
    Open(std::move(document));
    CRandomEditor editor(dialog, dialogs, canvas, 99);
    AddDrawingActions(editor);
    editor.AddAction("scaling", 12, [](CRandomEditor& e) {
        const CSize size = e.Dialog().GetDocument()->GetCanvasSize();
        const int change = size.cx > 250 ? -e.Uniform(1, 4) : e.Uniform(1, 4);
        e.Dialog().ExecuteCommand(std::make_unique<CCommandImageEffectScaling>(size.cx + change, size.cy, false));
    });
    const CCommandManager& history = dialog.GetCommandManager();
    int executed = 0;
    for (int step = 0; step < 60; ++step) {
        const int changes = history.GetChangeCount();
        editor.Step();
        executed += history.GetChangeCount() - changes;
        ASSERT_LE(history.GetTotalSize(), kHistoryBudget + history.GetNewestSize());
    }
    const SEditState end = Capture(Document());
    int kept = 0;
    while (Undo()) {
        ++kept;
    }
    EXPECT_LT(kept, executed) << "the budget was reached";
    while (Redo()) {
    }
    EXPECT_TRUE(Capture(Document()) == end) << editor.GetTrace();
}
