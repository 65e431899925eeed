#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>

#include "app/accelerator_dlg.h"
#include "app/key_defaults.h"
#include "app/qt/accelerator_form.h"
#include "app/qt/key_capture_field.h"
#include "app/qt/tool_sub_key_form.h"
#include "app/tool_sub_key_dlg.h"
#include "bars/command_ids.h"
#include "bars/menu_manager.h"
#include "platform/qt/qt_virtual_keys.h"

namespace {

void Press(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&widget, &event);
}

QPushButton& Button(QWidget& form, const char* text)
{
    for (QPushButton* button : form.findChildren<QPushButton*>()) {
        if (button->text() == QString::fromUtf8(text)) {
            return *button;
        }
    }
    throw std::runtime_error(text);
}

}  // namespace

TEST(QtVirtualKeys, KeysBecomeTheVirtualKeysOfTheCharactersTheyType)
{
    using M = Qt::KeyboardModifiers;
    const M none = Qt::NoModifier;
    const M shift = Qt::ShiftModifier;
    const M ctrl = Qt::ControlModifier;
    const M keypad = Qt::KeypadModifier;
    const struct {
        int qtKey;
        M modifiers;
        uint8_t key;
        uint8_t set;
    } cases[] = {
        {Qt::Key_Z, ctrl, 'Z', kModifierCtrl},
        {Qt::Key_Z, ctrl | shift, 'Z', kModifierCtrl | kModifierShift},
        {Qt::Key_A, Qt::AltModifier, 'A', kModifierAlt},
        {Qt::Key_Left, none, VK_LEFT, 0},
        {Qt::Key_Escape, none, VK_ESCAPE, 0},
        {Qt::Key_Delete, shift, VK_DELETE, kModifierShift},
        {Qt::Key_Space, none, VK_SPACE, 0},
        {Qt::Key_Alt, Qt::AltModifier, VK_MENU, kModifierAlt},
        {Qt::Key_F12, none, VK_F1 + 11, 0},
        {Qt::Key_Backtab, shift, VK_TAB, kModifierShift},
        // "+" on any layout: Shift with the ";" key, as Japanese keyboards type it.
        {Qt::Key_Plus, shift, VK_OEM_PLUS, kModifierShift},
        {Qt::Key_Plus, ctrl | shift, VK_OEM_PLUS, kModifierCtrl | kModifierShift},
        {Qt::Key_Equal, none, VK_OEM_MINUS, kModifierShift},
        {Qt::Key_Minus, none, VK_OEM_MINUS, 0},
        {Qt::Key_At, shift, VK_OEM_3, 0},  // Shift+2 on a US keyboard
        {Qt::Key_Exclam, shift, '1', kModifierShift},
        {Qt::Key_1, shift, '1', 0},  // the digit, where Shift types it
        {Qt::Key_Colon, shift, VK_OEM_1, 0},
        {Qt::Key_Underscore, shift, VK_OEM_8, 0},
        {Qt::Key_yen, none, VK_OEM_5, 0},
        // The keypad keeps its own keys.
        {Qt::Key_Plus, keypad, VK_ADD, 0},
        {Qt::Key_Minus, keypad, VK_SUBTRACT, 0},
        {Qt::Key_7, keypad, VK_NUMPAD0 + 7, 0},
        {Qt::Key_Home, keypad, VK_HOME, 0},
        {Qt::Key_Enter, keypad, VK_RETURN, 0},
    };
    for (const auto& c : cases) {
        const std::optional<SVirtualKeyPress> press = ToVirtualKey(c.qtKey, c.modifiers);
        ASSERT_TRUE(press.has_value()) << std::hex << c.qtKey;
        EXPECT_EQ(*press, (SVirtualKeyPress{c.key, c.set})) << std::hex << c.qtKey;
    }
    EXPECT_FALSE(ToVirtualKey(Qt::Key_VolumeUp, none).has_value());

    const QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Space, none, QString(" "), true);
    const std::optional<SKeyMessage> message = MakeKeyMessage(repeated);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->type, SKeyMessage::EType::KeyDown);
    EXPECT_TRUE(message->previousState);
    const QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, none);
    EXPECT_EQ(MakeKeyMessage(altUp)->type, SKeyMessage::EType::SysKeyUp);
}

TEST(KeySettingsForms, AKeyPressedInTheFieldGoesToTheChosenCommandOrFunction)
{
    const CMenuManager menus;
    CAccelerator keys;
    keys.Load(GetDefaultShortcutKeys(), {}, u"SBXKEY");
    CAcceleratorDlg shortcuts(keys, menus.GetMainMenu());
    CAcceleratorForm form(shortcuts);
    const QList<QTreeWidgetItem*> found = form.GetTree().findItems(QString::fromUtf8("レイヤの追加"), Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1);
    form.GetTree().setCurrentItem(found[0]);
    Press(form.GetKeyField(), Qt::Key_Control, Qt::ControlModifier);
    EXPECT_TRUE(form.GetKeyField().text().isEmpty()) << "a modifier alone is no shortcut";
    Press(form.GetKeyField(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.GetKeyField().text(), QString("Ctrl+Z"));
    Button(form, "追加").click();
    EXPECT_EQ(shortcuts.GetKeys().GetKeyText(kCmdLayerAdd), "Ctrl+Z");
    EXPECT_EQ(found[0]->text(1), QString("Ctrl+Z"));
    EXPECT_EQ(keys.GetKeyText(kCmdUndo), "Ctrl+Z") << "the program's keys wait for OK";

    CToolSubKey subKeys;
    subKeys.Load(GetToolSubKeyItems(), {}, u"SBXTOOLSUBKEY");
    CToolSubKeyDlg functions(subKeys);
    CToolSubKeyForm subKeyForm(functions);
    EXPECT_EQ(subKeyForm.GetList().topLevelItem(0)->text(1), QString("Alt"));
    Press(subKeyForm.GetKeyField(), Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(functions.GetSubKeys().GetKey(0), VK_SHIFT) << "any one key, modifiers too";
    Button(subKeyForm, "なし").click();
    EXPECT_EQ(subKeyForm.GetList().topLevelItem(0)->text(1), QString());
    Button(subKeyForm, "初期設定に戻す").click();
    EXPECT_EQ(functions.GetSubKeys().GetKey(0), VK_MENU);
}
