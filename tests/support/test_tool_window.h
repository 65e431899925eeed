#pragma once

#include <string>

#include "app/framework_wnd.h"
#include "bars/command_ids.h"
#include "platform/window.h"

// A tool window with one child, one label and the shared buttons.
class CTestToolWnd final : public CFrameworkWnd {
public:
    explicit CTestToolWnd(ICommandTarget& owner) : CFrameworkWnd(owner)
    {
        SetTitle("テスト");
        AddChild(child);
        label = AddLabel();
        AddButton(kCmdMenuButton, "メニュー");
        AddButton(kCmdWindowPin, "ピン留め");
    }
    CSize GetDefaultClientSize() const override { return {200, 120}; }
    void OnSize(int width, int height) override
    {
        MoveChild(child, {4, 4, width - 4, height - 24});
        MoveLabel(label, {4, height - 20, width - 4, height}, true);
        SetLabelText(label, std::to_string(width));
    }

    CWnd child;
    int label = 0;

private:
    SMenuItem BuildMenu() const override
    {
        return SMenuItem::Submenu("メニュー", {SMenuItem::Command("閉じる", kCmdWindowClose)});
    }
};

