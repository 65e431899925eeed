#include <gtest/gtest.h>

#include "app/accelerator.h"
#include "app/key_defaults.h"
#include "app/key_names.h"
#include "app/tool_sub_key.h"
#include "bars/command_ids.h"
#include "commands/main_dialog.h"
#include "model/stipplebox_data.h"
#include "support/headless_message_box_scope.h"
#include "support/main_dialog_fixture.h"
#include "support/scratch_directory.h"

namespace {

class CTarget final : public IAcceleratorTarget {
public:
    bool IsPointerCaptured() const override { return captured; }
    bool IsInputEnabled() const override { return enabled; }
    void OnKeyCommand(unsigned id) override { sent.push_back(id); }
    bool captured = false;
    bool enabled = true;
    std::vector<unsigned> sent;
};

SKeyMessage Down(unsigned key, uint8_t modifiers = 0)
{
    return {SKeyMessage::EType::KeyDown, key, false, modifiers};
}

SKeyMessage Up(unsigned key, bool previousState = true)
{
    return {SKeyMessage::EType::KeyUp, key, previousState, 0};
}

const std::u16string kKeyId = u"SBXKEY";
const std::u16string kSubKeyId = u"SBXTOOLSUBKEY";

std::string Utf16(const std::u16string& text)
{
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += char(unit & 0xFF);
        bytes += char(unit >> 8);
    }
    return bytes;
}

}  // namespace

TEST(ShortcutKeys, TranslationMatchesTheModifiersExactlyAndTheFirstBindingWins)
{
    CAccelerator keys;
    keys.Load({}, {}, kKeyId);
    keys.AddKey(100, 'A', kModifierCtrl);
    keys.AddKey(101, 'A', kModifierCtrl | kModifierShift);
    keys.AddKey(102, 'B', 0x80 | kModifierAlt);  // the stray bit is dropped
    keys.AddKey(103, 'A', kModifierCtrl);        // second on the same key
    keys.AddKey(104, VK_SHIFT, kModifierShift);
    keys.AddKey(105, VK_APP1, 0);
    keys.AddKey(106, 'K', 0);
    CTarget target;
    const struct {
        SKeyMessage message;
        unsigned command;
        const char* what;
    } cases[] = {
        {Down('A', kModifierCtrl), 100, "the first of two bindings of one key"},
        {Down('A', kModifierCtrl | kModifierShift), 101, "Shift makes another binding"},
        {Down('A', kModifierCtrl | kModifierAlt), 0, "Ctrl+Alt is not Ctrl"},
        {Down('A', 0), 0, "no modifiers"},
        {{SKeyMessage::EType::SysKeyDown, 'B', false, kModifierAlt}, 102, "a system key with Alt"},
        {Down(VK_SHIFT, kModifierShift), 0, "Shift alone, even when bound"},
        {Up('A'), 0, "a release"},
        {Up(VK_APP1, false), 105, "an application button's lone release is a press"},
        {Up(VK_APP1, true), 0, "but not an ordinary release"},
        {{SKeyMessage::EType::KeyDown, VK_PROCESSKEY, false, 0, 'K'}, 106, "the input method's key"},
        {Down(256 + 'K'), 0, "codes above 255"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(keys.Translate(target, c.message), c.command) << c.what;
    }
    EXPECT_EQ(keys.GetKeyText(102), "Alt+B");

    keys.RemoveKey(100, 'A', kModifierCtrl);
    EXPECT_EQ(keys.Translate(target, Down('A', kModifierCtrl)), 103u) << "the other binding now";
    target.captured = true;
    EXPECT_FALSE(keys.TranslateAndSend(target, Down('A', kModifierCtrl))) << "not during a stroke";
    target.captured = false;
    target.enabled = false;
    EXPECT_FALSE(keys.TranslateAndSend(target, Down('A', kModifierCtrl))) << "nor while disabled";
    target.enabled = true;
    EXPECT_TRUE(keys.TranslateAndSend(target, Down('A', kModifierCtrl)));
    EXPECT_EQ(target.sent, (std::vector<unsigned>{103}));
}

TEST(ShortcutKeys, KeysAreNamedAsTheSettingsShowThem)
{
    const std::pair<int, const char*> names[] = {
        {8, "BS"},      {25, "Xfer"},    {28, "[28]"},     {32, "Space"},  {37, "←"},       {48, "0"},
        {57, "9"},      {65, "A"},       {90, "Z"},        {96, "Num0"},   {105, "Num9"},   {106, "Num'*'"},
        {112, "F1"},    {126, "F15"},    {127, "[127]"},   {146, "Num'='"}, {186, "':'"},   {192, "'@'"},
        {193, "App1"},  {198, "App6"},   {220, "'\\'"},    {226, "'\\'"},  {0, "[0]"},      {255, "[255]"},
    };
    for (const auto& [key, name] : names) {
        EXPECT_EQ(GetKeyName(uint8_t(key)), name) << key;
    }
    EXPECT_EQ(GetKeyBindingText('Z', kModifierShift | kModifierAlt | kModifierCtrl), "Ctrl+Alt+Shift+Z");

    CAccelerator keys;
    keys.Load(GetDefaultShortcutKeys(), {}, kKeyId);
    EXPECT_EQ(keys.GetKeyText(kCmdRedo), "Ctrl+Y, Ctrl+Shift+Z");
    EXPECT_EQ(keys.GetKeyText(kCmdScrollLeft), "←");
}

TEST(ShortcutKeys, TheKeyFileKeepsEveryBindingAndItsLayout)
{
    CScratchDirectory folder;
    CHeadlessMessageBoxScope messages;
    const std::filesystem::path path = folder / "Accelerator.dat";
    CAccelerator keys;
    keys.Load(GetDefaultShortcutKeys(), path, kKeyId);
    EXPECT_FALSE(keys.IsFromFile());
    keys.AddKey(kCmdLayerAdd, VK_F1 + 1, kModifierAlt);
    keys.RemoveKey(kCmdScrollLeft, VK_LEFT, 0);
    ASSERT_TRUE(keys.Save());

    CAccelerator loaded;
    loaded.Load(GetDefaultShortcutKeys(), path, kKeyId);
    EXPECT_TRUE(loaded.IsFromFile());
    EXPECT_EQ(loaded.GetBindings(), keys.GetBindings());
    EXPECT_EQ(loaded.GetKeyText(kCmdScrollLeft), "") << "a removed default stays removed";

    CAccelerator one;
    one.Load({}, folder / "One.dat", kKeyId);
    one.AddKey(0x8123, 'Q', kModifierCtrl | kModifierShift);
    ASSERT_TRUE(one.Save());
    EXPECT_EQ(ReadFileBytes(folder / "One.dat"), Utf16(kKeyId) + std::string("\0\0\1\0\0\0\x23\x81Q\x0C", 10));
    EXPECT_TRUE(messages->GetRecords().empty());

    CAccelerator unwritable;
    unwritable.Load({}, folder / "missing" / "Accelerator.dat", kKeyId);
    EXPECT_FALSE(unwritable.Save());
    EXPECT_EQ(messages->GetRecords().back().text, "キー設定をファイルに書き出せませんでした。");
}

TEST(ShortcutKeys, AForeignOrDamagedKeyFileGivesTheDefaults)
{
    CScratchDirectory folder;
    CHeadlessMessageBoxScope messages;
    const std::filesystem::path path = folder / "Accelerator.dat";
    const std::string good = Utf16(kKeyId) + std::string("\0\0\2\0\0\0\x95\x80\x41\x08\x96\x80\x42\x08", 14);
    const std::vector<SKeyBinding> defaults = {{1, 'D', 0}};
    const auto load = [&](const std::string& bytes) {
        WriteFileBytes(path, bytes);
        messages->ClearRecords();
        CAccelerator keys;
        keys.Load(defaults, path, kKeyId);
        return keys;
    };
    ASSERT_EQ(load(good).GetBindings().size(), 2u) << "the bindings themselves are the round trip's";
    for (const std::string& foreign : {Utf16(u"SBXKEX") + good.substr(12), Utf16(u"SBXTOOLSUBKEY"), std::string()}) {
        const CAccelerator keys = load(foreign);
        EXPECT_EQ(keys.GetBindings(), defaults);
        ASSERT_EQ(messages->GetRecords().size(), 1u);
        EXPECT_EQ(messages->GetRecords()[0].text,
                  "このファイルはショートカットキー設定ファイルではありません。\n\n" + path.string());
    }
    // Cut anywhere, the count runs beyond the data or the header is short.
    for (size_t length = 0; length < good.size(); ++length) {
        const CAccelerator truncated = load(good.substr(0, length));
        EXPECT_EQ(truncated.GetBindings(), defaults) << length;
        EXPECT_FALSE(truncated.IsFromFile());
        EXPECT_EQ(messages->GetRecords().size(), length < 12 ? 1u : 0u) << length;
    }
}

TEST(ToolSubKey, HeldKeysFollowTheMessagesAndAKeyOfZeroIsNeverHeld)
{
    CToolSubKey subKeys;
    subKeys.Load({{100, "スポイト", 0}, {101, "other", VK_MENU}}, {}, kSubKeyId);
    EXPECT_TRUE(subKeys.IsDefault());
    for (const unsigned key : {unsigned('A'), unsigned(VK_MENU), 0u}) {
        subKeys.Track(Down(key));
    }
    EXPECT_FALSE(subKeys.IsHeld(0)) << "no key, whatever is down";
    EXPECT_TRUE(subKeys.IsHeld(1));
    subKeys.Track({SKeyMessage::EType::SysKeyUp, VK_MENU, true, 0});
    EXPECT_FALSE(subKeys.IsHeld(1));

    subKeys.SetKey(0, VK_APP1);
    EXPECT_FALSE(subKeys.IsDefault());
    EXPECT_EQ(subKeys.GetKeyText(0), "App1");
    EXPECT_EQ(subKeys.GetKeyText(1), "Alt");
    subKeys.Track(Up(VK_APP1, false));
    EXPECT_TRUE(subKeys.IsHeld(0)) << "an application button's lone release holds it";
    subKeys.SetKey(0, 'P');
    subKeys.Track({SKeyMessage::EType::KeyDown, VK_PROCESSKEY, false, 0, 'P'});
    EXPECT_TRUE(subKeys.IsHeld(0)) << "the input method's real key";
    subKeys.SetKey(1, 0);
    EXPECT_EQ(subKeys.GetKeyText(1), "");
}

TEST(ToolSubKey, TheFileKeepsTheKeysAndAnotherVersionIsIgnoredSilently)
{
    CScratchDirectory folder;
    CHeadlessMessageBoxScope messages;
    const std::filesystem::path path = folder / "ToolSubKey.dat";
    CToolSubKey subKeys;
    subKeys.Load(GetToolSubKeyItems(), path, kSubKeyId);
    EXPECT_EQ(subKeys.GetKey(IMainDialog::kToolSubKeyEyedropper), VK_MENU);
    subKeys.SetKey(IMainDialog::kToolSubKeyEyedropper, 'X');
    ASSERT_TRUE(subKeys.Save());
    const std::string saved = ReadFileBytes(path);
    EXPECT_EQ(saved, Utf16(kSubKeyId) + std::string("\1\0\1\0\x64\0X", 7));

    const auto load = [&](const std::string& bytes) {
        WriteFileBytes(path, bytes);
        messages->ClearRecords();
        CToolSubKey loaded;
        loaded.Load(GetToolSubKeyItems(), path, kSubKeyId);
        return loaded.GetKey(IMainDialog::kToolSubKeyEyedropper);
    };
    EXPECT_EQ(load(saved), 'X');
    EXPECT_EQ(load(Utf16(kSubKeyId) + std::string("\1\0\2\0\x65\0Y\x64\0Z", 10)), 'Z') << "unknown items skipped";
    EXPECT_EQ(load(Utf16(kSubKeyId) + std::string("\2\0\1\0\x64\0X", 7)), VK_MENU) << "version 2";
    EXPECT_TRUE(messages->GetRecords().empty());
    for (size_t length = 0; length < saved.size(); ++length) {
        EXPECT_EQ(load(saved.substr(0, length)), VK_MENU) << length;
    }
    EXPECT_EQ(load(Utf16(u"SBXKEY") + saved), VK_MENU);
    ASSERT_EQ(messages->GetRecords().size(), 1u);
    EXPECT_EQ(messages->GetRecords()[0].text, "このファイルはツール補助キー設定ファイルではありません。");

    CToolSubKey unwritable;
    unwritable.Load(GetToolSubKeyItems(), folder / "missing" / "ToolSubKey.dat", kSubKeyId);
    EXPECT_FALSE(unwritable.Save());
    EXPECT_EQ(messages->GetRecords().back().text, "ツール補助キー設定をファイルに書き出せませんでした。");
}

using KeySettings = CMainDialogTest;

TEST_F(KeySettings, TheDialogsKeepWhatOkConfirmsInTheirFiles)
{
    dialogs.accelerator = [](CAcceleratorDlg& keys) {
        EXPECT_EQ(keys.GetCommandLabel(kCmdLayerAdd), "レイヤの追加");
        keys.AssignKey(kCmdLayerAdd, 'Z', kModifierCtrl);
        keys.AssignKey(kCmdLayerDelete, 'D', kModifierCtrl);
    };
    dialog.OnCommand(kCmdShortcutKeys);
    EXPECT_EQ(dialog.GetKeyText(kCmdUndo), "");
    const auto layers = [this] { return dialog.GetDocument()->GetLayers()->GetSize(); };
    dialog.PreTranslateKeyMessage(Down('Z', kModifierCtrl));
    EXPECT_EQ(layers(), 2) << "Ctrl+Z added a layer";
    for (int press = 0; press < 2; ++press) {
        dialog.PreTranslateKeyMessage(Down('D', kModifierCtrl));
    }
    EXPECT_EQ(layers(), 1) << "the last layer stays: its menu item is greyed out, so is its key";

    dialogs.toolSubKey = [](CToolSubKeyDlg& subKeys) { subKeys.GetSubKeys().SetKey(0, 0); };
    dialog.PreTranslateKeyMessage({SKeyMessage::EType::SysKeyDown, VK_MENU, false, kModifierAlt});
    EXPECT_TRUE(dialog.IsToolSubKeyHeld(IMainDialog::kToolSubKeyEyedropper));
    dialog.OnCommand(kCmdToolSubKeys);
    EXPECT_FALSE(dialog.IsToolSubKeyHeld(IMainDialog::kToolSubKeyEyedropper));

    CStippleboxDlg restarted(settings / "IniFiles", dialogs);
    restarted.OnInitDialog(host);
    EXPECT_EQ(restarted.GetKeyText(kCmdLayerAdd), "Ctrl+Z");
    restarted.PreTranslateKeyMessage({SKeyMessage::EType::SysKeyDown, VK_MENU, false, kModifierAlt});
    EXPECT_FALSE(restarted.IsToolSubKeyHeld(IMainDialog::kToolSubKeyEyedropper));
    EXPECT_TRUE(messages->GetRecords().empty());
}
