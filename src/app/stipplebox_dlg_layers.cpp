// The layer menu: adding, deleting, duplicating, merging and stepping
// through layers, and the delays.

#include <memory>

#include "app/delay_all_dlg.h"
#include "app/layer_property_dlg.h"
#include "app/stipplebox_dlg.h"
#include "bars/command_ids.h"
#include "commands/command_layer_add.h"
#include "commands/command_layer_bond.h"
#include "commands/command_layer_cur_change.h"
#include "commands/command_layer_delete.h"
#include "commands/command_layer_property.h"
#include "model/stipplebox_data.h"
#include "platform/cmd_ui.h"

void CStippleboxDlg::AddLayerCommands()
{
    const auto layers = [this] { return m_document->GetLayers(); };
    const auto enableWith = [](auto condition) { return [condition](ICmdUI& cmdUI) { cmdUI.Enable(condition()); }; };
    const auto severalLayers = enableWith([layers] { return layers()->GetSize() >= 2; });
    const auto layerBelow = enableWith([layers] { return layers()->GetCurrentIndex() + 1 < layers()->GetSize(); });

    m_commandMap.Add(kCmdLayerAdd, [this](unsigned) { ExecuteCommand(std::make_unique<CCommandLayerAdd>(0, true)); });
    m_commandMap.Add(
        kCmdLayerDelete,
        [this, layers](unsigned) {
            ExecuteCommand(std::make_unique<CCommandLayerDelete>(layers()->GetCurrentIndex()));
        },
        severalLayers);
    m_commandMap.Add(kCmdLayerDuplicate,
                     [this](unsigned) { ExecuteCommand(std::make_unique<CCommandLayerDuplicate>()); });
    m_commandMap.Add(
        kCmdLayerMergeDown,
        [this](unsigned) { ExecuteCommand(std::make_unique<CCommandLayerBond>(CCommandLayerBond::kMergeBelow)); },
        layerBelow);
    m_commandMap.Add(
        kCmdLayerMergeAll,
        [this](unsigned) { ExecuteCommand(std::make_unique<CCommandLayerBond>(CCommandLayerBond::kMergeAll)); },
        severalLayers);
    m_commandMap.Add(
        kCmdLayerUp,
        [this, layers](unsigned) {
            ExecuteCommand(std::make_unique<CCommandLayerCurChange>(layers()->GetCurrentIndex() - 1));
        },
        enableWith([layers] { return layers()->GetCurrentIndex() != 0; }));
    m_commandMap.Add(
        kCmdLayerDown,
        [this, layers](unsigned) {
            ExecuteCommand(std::make_unique<CCommandLayerCurChange>(layers()->GetCurrentIndex() + 1));
        },
        layerBelow);
    m_commandMap.Add(kCmdDelayAll, [this](unsigned) { OnDelayAll(); });
    m_commandMap.Add(kCmdLayerProperty, [this](unsigned) { OnLayerProperty(); });
    // Units 1 to 8 in the order of the items.
    m_commandMap.AddRange(
        kCmdDelayUnitFirst, kCmdDelayUnitLast,
        [this](unsigned id) {
            m_document->SetDelayUnit(uint8_t(id - kCmdDelayUnitFirst + 1));
            OnLayerRowsChanged();
        },
        [this](ICmdUI& cmdUI) {
            cmdUI.SetCheck(m_document->GetDelayUnit() == cmdUI.GetID() - kCmdDelayUnitFirst + 1);
        });
}

void CStippleboxDlg::OnDelayAll()
{
    CDelayAllDlg dialog(m_document->GetCurrentLayer()->GetDelay().GetTicks(), m_document->GetDelayUnit());
    if (dialog.DoModal(m_dialogs)) {
        m_document->SetDelayUnit(uint8_t(dialog.GetUnit()));
        ExecuteCommand(std::make_unique<CCommandLayerDelayAll>(dialog.GetDelayTicks()));
    }
}

void CStippleboxDlg::OnLayerProperty()
{
    const CStippleboxLayer& layer = *m_document->GetCurrentLayer();
    CLayerPropertyDlg dialog(layer.GetLayerName(), layer.GetDelay().GetTicks(), m_document->GetDelayUnit());
    if (!dialog.DoModal(m_dialogs)) {
        return;
    }
    ExecuteCommand(std::make_unique<CCommandLayerProperty>(dialog.GetName(), dialog.GetDelayTicks()));
    if (dialog.GetUnit() != m_document->GetDelayUnit()) {
        m_document->SetDelayUnit(uint8_t(dialog.GetUnit()));
        OnLayerRowsChanged();
    }
}
