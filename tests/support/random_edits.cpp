#include "support/random_edits.h"

#include <algorithm>
#include <memory>

#include "app/stipplebox_dlg.h"
#include "bars/command_ids.h"
#include "commands/command_layer_link.h"
#include "commands/command_layer_order.h"
#include "commands/command_layer_property.h"
#include "model/stipplebox_data.h"
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
