#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "commands/command_manager.h"
#include "platform/recording_cmd_ui.h"
#include "support/headless_message_box_scope.h"

namespace {

constexpr int kBudget = 2 * 1048576;

// What happened to the scripted commands, in order ("undo 描画", "delete 描画").
using EventLog = std::vector<std::string>;

// A command that does what its script says and logs what it was asked.
class CScriptedCommand : public CCommand {
public:
    CScriptedCommand(EventLog& log, std::string title, int size) : m_log(log), m_title(std::move(title)), m_size(size)
    {
    }
    ~CScriptedCommand() override { m_log.push_back("delete " + m_title); }

    bool Execute() override
    {
        m_log.push_back("execute " + m_title);
        if (throwOnExecute) {
            throw std::runtime_error("boom");
        }
        if (!refusal.empty()) {
            SetCommandErrorMessage(refusal);
        }
        return executes;
    }
    void Undo() override
    {
        m_log.push_back("undo " + m_title);
        if (throwOnUndo) {
            throw 42;  // not even an exception class
        }
        m_size = sizeAfterUndo >= 0 ? sizeAfterUndo : m_size;
    }
    void Redo() override
    {
        m_log.push_back("redo " + m_title);
        if (throwOnRedo) {
            throw std::logic_error("redo");
        }
    }
    int GetDataSize() const override { return m_size; }
    std::string GetTitle() const override { return m_title; }

    bool executes = true;
    std::string refusal;
    bool throwOnExecute = false;
    bool throwOnUndo = false;
    bool throwOnRedo = false;
    int sizeAfterUndo = -1;

private:
    EventLog& m_log;
    std::string m_title;
    int m_size;
};

class CommandManager : public ::testing::Test {
protected:
    std::unique_ptr<CScriptedCommand> Make(const std::string& title, int size = 100)
    {
        return std::make_unique<CScriptedCommand>(m_log, title, size);
    }
    bool Run(const std::string& title, int size = 100) { return m_manager.Execute(Make(title, size), true); }

    std::string UndoText() const
    {
        CRecordingCmdUI item(57643);
        m_manager.OnUpdateUndo(item);
        return *item.GetText() + (*item.GetEnabled() ? "" : " (disabled)");
    }
    std::string RedoText() const
    {
        CRecordingCmdUI item(57644);
        m_manager.OnUpdateRedo(item);
        return *item.GetText() + (*item.GetEnabled() ? "" : " (disabled)");
    }
    std::vector<std::string> BoxTexts()
    {
        std::vector<std::string> texts;
        for (const auto& record : m_boxes->GetRecords()) {
            texts.push_back(record.text);
        }
        return texts;
    }

    EventLog m_log;
    CHeadlessMessageBoxScope m_boxes;
    CCommandManager m_manager;
};

}  // namespace

TEST_F(CommandManager, EmptyHistoryOffersNothing)
{
    std::string title = "untouched";
    EXPECT_FALSE(m_manager.Undo(&title));
    EXPECT_FALSE(m_manager.Redo(&title));
    EXPECT_EQ(title, "untouched");
    EXPECT_EQ(UndoText(), "元に戻す (disabled)");
    EXPECT_EQ(RedoText(), "やり直す (disabled)");
    EXPECT_EQ(m_manager.GetChangeCount(), 0);
}

TEST_F(CommandManager, UndoAndRedoMoveTheNewestCommandAndNameIt)
{
    ASSERT_TRUE(Run("範囲選択"));
    ASSERT_TRUE(Run("描画"));
    EXPECT_EQ(UndoText(), "元に戻す:描画");
    EXPECT_EQ(RedoText(), "やり直す (disabled)");

    std::string title;
    ASSERT_TRUE(m_manager.Undo(&title));
    EXPECT_EQ(title, "描画");
    EXPECT_EQ(UndoText(), "元に戻す:範囲選択");
    EXPECT_EQ(RedoText(), "やり直す:描画");
    ASSERT_TRUE(m_manager.Undo(nullptr));
    EXPECT_EQ(UndoText(), "元に戻す (disabled)");
    EXPECT_EQ(RedoText(), "やり直す:範囲選択");

    ASSERT_TRUE(m_manager.Redo(&title));
    EXPECT_EQ(title, "範囲選択");
    EXPECT_EQ(m_log, (EventLog{"execute 範囲選択", "execute 描画", "undo 描画", "undo 範囲選択", "redo 範囲選択"}));
}

TEST_F(CommandManager, ANewCommandDeletesWhatCouldBeRedone)
{
    Run("a", 1000);
    Run("b", 2000);
    Run("c", 4000);
    m_manager.Undo(nullptr);
    m_manager.Undo(nullptr);
    EXPECT_EQ(m_manager.GetTotalSize(), 7000);
    m_log.clear();

    Run("d", 300);
    EXPECT_EQ(m_log, (EventLog{"execute d", "delete c", "delete b"}));
    EXPECT_EQ(m_manager.GetTotalSize(), 1300);
    EXPECT_EQ(RedoText(), "やり直す (disabled)");
}

TEST_F(CommandManager, TheHistoryKeepsToItsBudgetByDroppingTheOldest)
{
    Run("a", kBudget / 2);
    Run("b", kBudget / 2);
    EXPECT_EQ(m_manager.GetTotalSize(), kBudget) << "exactly the budget is still within it";
    EXPECT_EQ(m_log, (EventLog{"execute a", "execute b"}));

    Run("c", 1);
    EXPECT_EQ(m_log.back(), "delete a");
    EXPECT_EQ(m_manager.GetTotalSize(), kBudget / 2 + 1);

    m_log.clear();
    Run("huge", 3 * kBudget);
    EXPECT_EQ(m_log, (EventLog{"execute huge", "delete b", "delete c"})) << "oldest first";
    EXPECT_EQ(m_manager.GetTotalSize(), 3 * kBudget) << "the newest stays even when it alone is too large";
    EXPECT_EQ(UndoText(), "元に戻す:huge");

    // Undo and redo take the size afresh but never trim.
    m_manager.Undo(nullptr);
    Run("small", 10);
    EXPECT_EQ(m_manager.GetTotalSize(), 10);
}

TEST_F(CommandManager, UndoTakesTheCommandsSizeAfresh)
{
    auto command = Make("描画", 500);
    command->sizeAfterUndo = 20;
    m_manager.Execute(std::move(command), true);
    Run("other", 100);
    m_manager.Undo(nullptr);
    m_manager.Undo(nullptr);
    EXPECT_EQ(m_manager.GetTotalSize(), 120);
    m_log.clear();
    Run("new", 7);
    EXPECT_EQ(m_manager.GetTotalSize(), 7) << "the redo list left with the sizes it was counted with";
}

TEST_F(CommandManager, TheChangeCountIsANetCountFromTheSavePoint)
{
    Run("a");
    Run("b");
    EXPECT_EQ(m_manager.GetChangeCount(), 2);
    m_manager.ResetChangeCount();  // saved
    EXPECT_FALSE(m_manager.IsModified());

    m_manager.Undo(nullptr);
    EXPECT_EQ(m_manager.GetChangeCount(), -1);
    EXPECT_TRUE(m_manager.IsModified()) << "undoing past the save point is a change";
    m_manager.Redo(nullptr);
    EXPECT_FALSE(m_manager.IsModified()) << "back at the save point";

    m_manager.Undo(nullptr);
    Run("c");
    EXPECT_EQ(m_manager.GetChangeCount(), 0) << "a plain counter: -1 + 1";
}

TEST_F(CommandManager, ACommandThatThrowsIsReportedByTitleAndNeverKept)
{
    Run("a", 10);
    auto command = Make("回転");
    command->throwOnExecute = true;
    EXPECT_FALSE(m_manager.Execute(std::move(command), false));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"コマンド「回転」を実行中に例外が発生しました。\n\n"
                                                   "例外が発生する手順を報告して頂けると助かります。"});
    EXPECT_EQ(m_log.back(), "delete 回転");
    EXPECT_EQ(UndoText(), "元に戻す:a");
    EXPECT_EQ(m_manager.GetTotalSize(), 10);
    EXPECT_EQ(m_manager.GetChangeCount(), 1);
}

TEST_F(CommandManager, ACommandThatThrowsWhileUndoingOrRedoingStillMoves)
{
    auto command = Make("レイヤ削除", 50);
    command->throwOnUndo = true;
    command->throwOnRedo = true;
    m_manager.Execute(std::move(command), true);

    std::string title;
    EXPECT_TRUE(m_manager.Undo(&title));
    EXPECT_EQ(title, "レイヤ削除");
    EXPECT_EQ(RedoText(), "やり直す:レイヤ削除");
    EXPECT_EQ(m_manager.GetChangeCount(), 0);
    EXPECT_TRUE(m_manager.Redo(nullptr));
    EXPECT_EQ(UndoText(), "元に戻す:レイヤ削除");
    EXPECT_EQ(m_manager.GetChangeCount(), 1);
    EXPECT_EQ(m_manager.GetTotalSize(), 50);
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{
                  "コマンド「レイヤ削除」をアンドゥ中に例外が発生しました。\n\n例外が発生する手順を報告して頂けると助かります。",
                  "コマンド「レイヤ削除」をリドゥ中に例外が発生しました。\n\n例外が発生する手順を報告して頂けると助かります。"}));
}

TEST_F(CommandManager, ARefusingCommandShowsItsReasonOnlyWhenAskedTo)
{
    auto refuse = [&](const std::string& reason, bool report) {
        auto command = Make("パレット追加");
        command->executes = false;
        command->refusal = reason;
        return m_manager.Execute(std::move(command), report);
    };
    EXPECT_FALSE(refuse("これ以上パレットは追加できません。", true));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"これ以上パレットは追加できません。"});
    EXPECT_EQ(m_boxes->GetRecords()[0].icon, MessageBoxIcon::None);
    EXPECT_EQ(m_log.back(), "delete パレット追加");

    m_boxes->ClearRecords();
    EXPECT_FALSE(refuse("これ以上パレットは追加できません。", false));
    EXPECT_FALSE(refuse("", true)) << "the earlier reason was emptied before this run";
    EXPECT_TRUE(m_boxes->GetRecords().empty());
    EXPECT_EQ(UndoText(), "元に戻す (disabled)");
    EXPECT_EQ(m_manager.GetChangeCount(), 0);
}

TEST_F(CommandManager, DestroyingTheManagerDeletesTheRedoListFirst)
{
    {
        CCommandManager manager;
        manager.Execute(Make("a"), true);
        manager.Execute(Make("b"), true);
        manager.Execute(Make("c"), true);
        manager.Undo(nullptr);
        m_log.clear();
    }
    EXPECT_EQ(m_log.front(), "delete c");
    EXPECT_EQ(m_log.size(), 3u);
}

TEST(Command, DefaultsAndTheCachedSize)
{
    class CSized : public CCommand {
    public:
        int GetDataSize() const override { return size; }
        int size = 64;
    } command;
    EXPECT_FALSE(command.Execute());
    EXPECT_EQ(command.GetTitle(), "notitle");
    EXPECT_EQ(command.GetSize(false), 0) << "nothing remembered yet";
    EXPECT_EQ(command.GetSize(true), 64);
    command.size = 99;
    EXPECT_EQ(command.GetSize(false), 64);
    EXPECT_EQ(command.GetSize(true), 99);
}
