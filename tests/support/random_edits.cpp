#include "support/random_edits.h"

#include <algorithm>
#include <memory>

#include "app/stipplebox_dlg.h"
#include "bars/command_ids.h"
#include "commands/color_compress_data.h"
#include "commands/command_color.h"
#include "commands/command_color_selection.h"
#include "commands/command_layer_link.h"
#include "commands/command_layer_order.h"
#include "commands/command_layer_property.h"
#include "commands/command_palette.h"
#include "commands/command_palette_import.h"
#include "model/color_selection_move.h"
#include "model/palette_order.h"
#include "model/stipplebox_color_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "platform/recording_cmd_ui.h"
#include "support/editor_fixture.h"

namespace {

// Canvases stay small so that hundreds of edits run in moments.
constexpr int kMaxCanvas = 40;
constexpr int kMaxLayers = 6;

int LayerCount(CRandomEditor& editor)
{
    return editor.Dialog().GetDocument()->GetLayers()->GetSize();
}

bool CanvasFits(CRandomEditor& editor)
{
    const CSize size = editor.Dialog().GetDocument()->GetCanvasSize();
    return size.cx <= kMaxCanvas && size.cy <= kMaxCanvas;
}

}  // namespace

CRandomEditor::CRandomEditor(CStippleboxDlg& dialog, CScriptedDialogs& dialogs, CCanvasDriver& canvas, uint32_t seed)
    : m_dialog(dialog), m_dialogs(dialogs), m_canvas(canvas), m_random(seed)
{
}

void CRandomEditor::AddAction(std::string name, int weight, Action action)
{
    m_actions.push_back({std::move(name), weight, std::move(action)});
    m_totalWeight += weight;
}

void CRandomEditor::Step()
{
    int pick = Uniform(0, m_totalWeight - 1);
    for (SAction& action : m_actions) {
        if (pick < action.weight) {
            m_trace.push_back(action.name);
            action.action(*this);
            return;
        }
        pick -= action.weight;
    }
}

std::string CRandomEditor::GetTrace() const
{
    std::string trace;
    for (const std::string& name : m_trace) {
        trace += name + "; ";
    }
    return trace;
}

int CRandomEditor::Uniform(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(m_random);
}

CPoint CRandomEditor::PointNearCanvas()
{
    const CSize size = m_dialog.GetDocument()->GetCanvasSize();
    return {Uniform(-3, size.cx + 2), Uniform(-3, size.cy + 2)};
}

bool CRandomEditor::Choose(unsigned id)
{
    CRecordingCmdUI cmdUI(id);
    m_dialog.OnUpdateCommand(cmdUI);
    if (!cmdUI.GetEnabled().value_or(true)) {
        return false;
    }
    m_dialog.OnCommand(id);
    return true;
}

void AddDrawingActions(CRandomEditor& editor)
{
    static const unsigned tools[] = {kCmdToolFreehand,        kCmdToolLine,    kCmdToolRectangle,
                                     kCmdToolFilledRectangle, kCmdToolEllipse, kCmdToolFilledEllipse,
                                     kCmdToolFill};
    for (const unsigned tool : tools) {
        editor.AddAction("stroke " + std::to_string(tool), 6, [tool](CRandomEditor& e) {
            e.Choose(tool);
            e.Choose(kCmdPenSizeFirst + unsigned(e.Uniform(0, 4)));
            e.Choose(kCmdToneFirst + unsigned(e.Uniform(0, 7)));
            e.Choose(kCmdFillStyleFirst + unsigned(e.Uniform(0, 4)));
            if (e.Chance(20)) {
                e.Choose(kCmdSnapToGrid);
            }
            if (e.Chance(30)) {
                e.Choose(kCmdPixelPerfect);
            }
            std::vector<CPoint> points(size_t(e.Uniform(1, 5)));
            std::generate(points.begin(), points.end(), [&e] { return e.PointNearCanvas(); });
            e.Canvas().Stroke(points);
        });
    }
}

void AddEffectActions(CRandomEditor& editor)
{
    for (const unsigned id :
         {kCmdCut, kCmdCopy, kCmdPaste, kCmdPaste, kCmdDelete, kCmdFlipHorizontal, kCmdFlipVertical}) {
        editor.AddAction("edit " + std::to_string(id), 3, [id](CRandomEditor& e) { e.Choose(id); });
    }
    editor.AddAction("canvas size", 3, [](CRandomEditor& e) {
        e.Dialogs().resize = [&e](CImageResizeDlg& form) {
            form.SetNewSize(e.Uniform(1, kMaxCanvas), e.Uniform(1, kMaxCanvas));
            form.SetAnchor(e.Uniform(0, 8));
        };
        e.Choose(kCmdCanvasSize);
    });
    editor.AddAction("scaling", 2, [](CRandomEditor& e) {
        e.Dialogs().scaling = [&e](CImageScalingDlg& form) {
            form.SetKeepAspect(e.Chance(50));
            form.SetNewWidth(e.Uniform(1, kMaxCanvas));
            form.SetNewHeight(e.Uniform(1, kMaxCanvas));
        };
        e.Choose(kCmdScaling);
    });
    editor.AddAction("rotation", 3, [](CRandomEditor& e) {
        if (!CanvasFits(e)) {
            return;
        }
        static const char* const angles[] = {"90", "180", "270", "-90", "33", "12.5", "-200", "720"};
        e.Dialogs().rotate = [&e](CImageRotateDlg& form) {
            form.SetAngleText(angles[e.Uniform(0, 7)]);
            form.SetDirection(e.Chance(50) ? CImageRotateDlg::kLeft : CImageRotateDlg::kRight);
        };
        e.Choose(kCmdRotate);
    });
}

void AddLayerActions(CRandomEditor& editor)
{
    for (const unsigned id : {kCmdLayerAdd, kCmdLayerDuplicate}) {
        editor.AddAction("layer " + std::to_string(id), 2, [id](CRandomEditor& e) {
            if (LayerCount(e) < kMaxLayers) {
                e.Choose(id);
            }
        });
    }
    for (const unsigned id : {kCmdLayerDelete, kCmdLayerMergeDown, kCmdLayerUp, kCmdLayerDown}) {
        editor.AddAction("layer " + std::to_string(id), 2, [id](CRandomEditor& e) { e.Choose(id); });
    }
    editor.AddAction("merge all", 1, [](CRandomEditor& e) {
        if (e.Chance(30)) {
            e.Choose(kCmdLayerMergeAll);
        }
    });
    // What the layer window sends: links, drags and properties.
    editor.AddAction("link", 3, [](CRandomEditor& e) {
        e.Dialog().ExecuteCommand(std::make_unique<CCommandLayerLink>(e.Uniform(0, LayerCount(e) - 1)));
    });
    editor.AddAction("order", 2, [](CRandomEditor& e) {
        e.Dialog().ExecuteCommand(std::make_unique<CCommandLayerOrder>(e.Uniform(0, LayerCount(e))));
    });
    editor.AddAction("property", 1, [](CRandomEditor& e) {
        e.Dialog().ExecuteCommand(
            std::make_unique<CCommandLayerProperty>(u"名" + std::u16string(size_t(e.Uniform(0, 3)), u'x'),
                                                    e.Uniform(0, 9000)));
    });
    editor.AddAction("delay all", 1, [](CRandomEditor& e) {
        e.Dialog().ExecuteCommand(std::make_unique<CCommandLayerDelayAll>(e.Uniform(0, 9000)));
    });
}

void AddSelectionActions(CRandomEditor& editor)
{
    static const unsigned tools[] = {kCmdToolSelectRectangle, kCmdToolSelectFree, kCmdToolSelectSameColor,
                                     kCmdToolSelectColor};
    for (const unsigned tool : tools) {
        editor.AddAction("selection " + std::to_string(tool), 5, [tool](CRandomEditor& e) {
            e.Choose(tool);
            if (e.Chance(20)) {
                e.Choose(kCmdSnapToGrid);
            }
            if (e.Chance(30)) {
                e.Choose(kCmdTransparentSelection);
            }
            std::vector<CPoint> points(size_t(e.Uniform(1, 5)));
            std::generate(points.begin(), points.end(), [&e] { return e.PointNearCanvas(); });
            e.Canvas().Stroke(points);
        });
    }
    // A press inside the selection, so that it is dragged.
    editor.AddAction("drag selection", 8, [](CRandomEditor& e) {
        const CStippleboxImageSelection& selection = e.Dialog().GetDocument()->GetCurrentLayer()->GetSelection();
        if (!selection.HasMask()) {
            return;
        }
        e.Choose(tools[e.Uniform(0, 3)]);
        const CRect& rect = selection.GetRect();
        std::vector<CPoint> points{{e.Uniform(rect.left, rect.right - 1), e.Uniform(rect.top, rect.bottom - 1)}};
        for (int i = e.Uniform(0, 3); i > 0; --i) {
            points.push_back(e.PointNearCanvas());
        }
        e.Canvas().Stroke(points);
    });
    for (const unsigned id : {kCmdSelectAll, kCmdSelectNone, kCmdScrollLeft, kCmdScrollRight, kCmdScrollUp,
                              kCmdScrollDown}) {
        editor.AddAction("selection " + std::to_string(id), 2, [id](CRandomEditor& e) { e.Choose(id); });
    }
}

namespace {

CStippleboxPalette& CurrentPalette(CRandomEditor& e)
{
    return *e.Dialog().GetDocument()->GetCurrentPalette();
}

int Entry(CRandomEditor& e)
{
    return e.Uniform(0, CStippleboxPalette::kEntryCount - 1);
}

// The palette grid's drags of the selected entries, shown live, then recorded.
void DragSelectedEntries(CRandomEditor& e)
{
    if (!CurrentPalette(e).GetColorSelection()->HasMask()) {
        return;
    }
    const int offset = e.Uniform(-20, 20);
    const bool keepLook = e.Chance(50);
    CColorSelectionMove move;
    switch (e.Uniform(0, 3)) {
    case 0:
        move.Begin();
        move.PreviewMove(offset);
        e.Dialog().ExecuteCommand(std::make_unique<CCommandColorSelectionMoveDrag>(offset));
        break;
    case 1: {
        auto selectedColors = std::make_unique<CColorCompressData>();
        selectedColors->Store(*CurrentPalette(e).GetColorSelection()->GetPalette());
        move.Begin();
        move.Lift();
        move.PreviewMove(offset);
        e.Dialog().ExecuteCommand(std::make_unique<CCommandColorSelectionCopyDrag>(offset, std::move(selectedColors)));
        break;
    }
    case 2:
        move.Begin();
        move.PreviewSwap(offset);
        if (keepLook) {
            e.Dialog().GetImageEditWnd().RemapIndices(move.SwapMap(offset));
        }
        e.Dialog().ExecuteCommand(std::make_unique<CCommandColorSelectionSwap>(offset, keepLook));
        break;
    default:
        move.Begin();
        move.PreviewInsert(offset);
        if (keepLook) {
            e.Dialog().GetImageEditWnd().RemapIndices(move.InsertMap(offset));
        }
        e.Dialog().ExecuteCommand(std::make_unique<CCommandColorSelectionInsert>(offset, keepLook));
        break;
    }
}

}  // namespace

void AddPaletteActions(CRandomEditor& editor)
{
    editor.AddAction("palette add", 2, [](CRandomEditor& e) {
        e.Dialog().ExecuteCommand(std::make_unique<CCommandPaletteAdd>());
    });
    editor.AddAction("palette file", 2, [](CRandomEditor& e) {
        SPaletteFile file{std::vector<SPaletteColor>(size_t(e.Uniform(1, 256))), "file", {}};
        for (SPaletteColor& color : file.colors) {
            color = {uint8_t(Entry(e)), uint8_t(Entry(e)), uint8_t(Entry(e))};
        }
        if (e.Chance(50)) {
            file.transparentIndex = e.Uniform(0, int(file.colors.size()) - 1);
        }
        if (e.Chance(50)) {
            e.Dialog().ExecuteCommand(std::make_unique<CCommandPaletteImportNew>(std::move(file)));
        } else {
            e.Dialog().ExecuteCommand(std::make_unique<CCommandPaletteImportInto>(std::move(file), Entry(e)));
        }
    });
    editor.AddAction("palette delete", 1, [](CRandomEditor& e) {
        e.Dialog().ExecuteCommand(std::make_unique<CCommandPaletteDelete>());
    });
    editor.AddAction("palette switch", 2, [](CRandomEditor& e) {
        const int count = e.Dialog().GetDocument()->GetPalettes()->GetSize();
        e.Dialog().ExecuteCommand(std::make_unique<CCommandPaletteCurChange>(e.Uniform(0, count - 1)));
    });
    editor.AddAction("palette name", 1, [](CRandomEditor& e) {
        e.Dialogs().paletteProperty = [&e](CPalettePropertyDlg& form) {
            form.SetName(u"色" + std::u16string(size_t(e.Uniform(0, 3)), u'y'));
        };
        e.Choose(kCmdPaletteProperty);
    });
    // The palette grid's drags between two entries.
    editor.AddAction("colour copy", 2, [](CRandomEditor& e) {
        const int source = Entry(e);
        const int destination = Entry(e);
        auto covered = std::make_unique<CStippleboxPalette>();
        covered->Create(1, false);
        covered->CopyEntry(0, CurrentPalette(e), destination);
        CurrentPalette(e).CopyEntry(destination, CurrentPalette(e), source);
        e.Dialog().ExecuteCommand(std::make_unique<CCommandColorCopy>(destination, source, std::move(covered)));
    });
    editor.AddAction("colour change", 2, [](CRandomEditor& e) {
        CStippleboxPalette& palette = CurrentPalette(e);
        const int entry = Entry(e);
        const SPaletteColor color = palette.GetColor(entry);
        const std::array<uint16_t, 3> triple = palette.GetTriple(entry);
        const uint8_t space = palette.GetColorSpaceID(entry);
        palette.SetColor(entry, {uint8_t(Entry(e)), uint8_t(Entry(e)), uint8_t(Entry(e))});
        palette.SetTriple(entry, {uint16_t(Entry(e)), 0, uint16_t(Entry(e))});
        palette.SetColorSpaceID(entry, uint8_t(e.Uniform(0, 2)));
        e.Dialog().ExecuteCommand(std::make_unique<CCommandColorDragChange>(entry, color, triple, space));
    });
    editor.AddAction("colour swap", 3, [](CRandomEditor& e) {
        const int start = Entry(e);
        const int target = Entry(e);
        CurrentPalette(e).SwapEntries(start, CurrentPalette(e), target);
        e.Dialog().ExecuteCommand(std::make_unique<CCommandColorSwap>(target, start, e.Chance(50)));
    });
    editor.AddAction("colour insert", 3, [](CRandomEditor& e) {
        const int start = Entry(e);
        const int target = Entry(e);
        ReorderEntries(CurrentPalette(e), MakeMoveOrder(start, target));
        e.Dialog().ExecuteCommand(std::make_unique<CCommandColorInsert>(target, start, e.Chance(50)));
    });
    // The palette grid's selection tools.
    editor.AddAction("entry selection", 3, [](CRandomEditor& e) {
        std::vector<uint8_t> mask(CStippleboxColorSelection::kMaskSize, 0);
        const int first = Entry(e);
        std::fill(mask.begin() + first, mask.begin() + std::min(256, first + e.Uniform(1, 12)), 1);
        e.Dialog().ExecuteCommand(std::make_unique<CCommandColorSelectionNew>(std::move(mask)));
    });
    editor.AddAction("entry selection cancel", 1, [](CRandomEditor& e) {
        e.Dialog().ExecuteCommand(std::make_unique<CCommandColorSelectionCancel>());
    });
    editor.AddAction("entry drag", 4, DragSelectedEntries);
    editor.AddAction("gradation", 2, [](CRandomEditor& e) { e.Choose(kCmdGradation); });
}
