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
const std::string kReportPlease = "中に例外が発生しました。\n\n例外が発生する手順を報告して頂けると助かります。";

using EventLog = std::vector<std::string>;

// Does what its fields say and logs what it is asked ("undo 描画", "delete 描画").
class CScriptedCommand : public CCommand {
public:
    CScriptedCommand(EventLog& log, std::string title, int dataSize) : size(dataSize), m_log(log), m_title(std::move(title))
    {
    }
    ~CScriptedCommand() override { m_log.push_back("delete " + m_title); }

    bool Execute() override
    {
        m_log.push_back("execute " + m_title);
        if (throws) {
            throw std::runtime_error("execute");
        }
        SetCommandErrorMessage(refusal);
        return refusal.empty();
    }
    void Undo() override
    {
        m_log.push_back("undo " + m_title);
        size = sizeAfterUndo;
        if (throws) {
            throw 42;  // not even an exception class
        }
    }
    void Redo() override
    {
        if (throws) {
            throw std::logic_error("redo");
        }
    }
    int GetDataSize() const override { return size; }
    std::string GetTitle() const override { return m_title; }

    int size;
    int sizeAfterUndo = size;
    bool throws = false;
    std::string refusal;

private:
    EventLog& m_log;
    std::string m_title;
};

class CommandManager : public ::testing::Test {
protected:
    // Runs a new command and returns it while the history holds it.
    CScriptedCommand* Run(const std::string& title, int size = 100)
    {
        auto command = Make(title, size);
        CScriptedCommand* kept = command.get();
        return m_manager.Execute(std::move(command), true) ? kept : nullptr;
    }
    std::unique_ptr<CScriptedCommand> Make(const std::string& title, int size = 100)
    {
        return std::make_unique<CScriptedCommand>(m_log, title, size);
    }
    std::string MenuText(bool undo) const
    {
        CRecordingCmdUI item(undo ? 57643 : 57644);
        undo ? m_manager.OnUpdateUndo(item) : m_manager.OnUpdateRedo(item);
        return *item.GetText() + (*item.GetEnabled() ? "" : " (disabled)");
    }

    EventLog m_log;
    CHeadlessMessageBoxScope m_boxes;
    CCommandManager m_manager;
};

}  // namespace

TEST_F(CommandManager, UndoAndRedoMoveTheNewestCommandAndNameIt)
{
    std::string title = "untouched";
    EXPECT_FALSE(m_manager.Undo(&title));
    EXPECT_FALSE(m_manager.Redo(&title));
    EXPECT_EQ(title, "untouched");
    EXPECT_EQ(MenuText(true), "元に戻す (disabled)");
    EXPECT_EQ(MenuText(false), "やり直す (disabled)");

    Run("範囲選択");
    Run("描画");
    EXPECT_EQ(MenuText(true), "元に戻す:描画");
    ASSERT_TRUE(m_manager.Undo(&title));
    EXPECT_EQ(title, "描画");
    EXPECT_EQ(MenuText(true), "元に戻す:範囲選択");
    EXPECT_EQ(MenuText(false), "やり直す:描画");
    m_manager.Undo(nullptr);
    ASSERT_TRUE(m_manager.Redo(&title));
    EXPECT_EQ(title, "範囲選択");
    EXPECT_EQ(MenuText(false), "やり直す:描画");
}

TEST_F(CommandManager, ANewCommandDeletesWhatCouldBeRedoneAndItsSize)
{
    Run("a", 1000);
    Run("b", 2000)->sizeAfterUndo = 20;  // undoing changes what it holds
    Run("c", 4000);
    m_manager.Undo(nullptr);
    m_manager.Undo(nullptr);
    EXPECT_EQ(m_manager.GetTotalSize(), 5020);
    m_log.clear();
    Run("d", 300);
    EXPECT_EQ(m_log, (EventLog{"execute d", "delete c", "delete b"}));
    EXPECT_EQ(m_manager.GetTotalSize(), 1300);
    EXPECT_EQ(MenuText(false), "やり直す (disabled)");
}

TEST_F(CommandManager, TheHistoryKeepsToItsBudgetByDroppingTheOldest)
{
    Run("a", kBudget / 2);
    Run("b", kBudget / 2);
    EXPECT_EQ(m_log, (EventLog{"execute a", "execute b"})) << "exactly the budget is within it";
    Run("c", 1);
    EXPECT_EQ(m_log.back(), "delete a");
    EXPECT_EQ(m_manager.GetTotalSize(), kBudget / 2 + 1);

    m_log.clear();
    Run("huge", 3 * kBudget);
    EXPECT_EQ(m_log, (EventLog{"execute huge", "delete b", "delete c"})) << "oldest first";
    EXPECT_EQ(MenuText(true), "元に戻す:huge") << "the newest stays even when it alone is too large";
    EXPECT_EQ(m_manager.GetTotalSize(), 3 * kBudget);
}

TEST_F(CommandManager, TheChangeCountIsANetCountFromTheSavePoint)
{
    Run("a");
    Run("b");
    EXPECT_EQ(m_manager.GetChangeCount(), 2);
    m_manager.ResetChangeCount();  // saved
    m_manager.Undo(nullptr);
    EXPECT_TRUE(m_manager.IsModified()) << "undoing past the save point is a change";
    m_manager.Redo(nullptr);
    EXPECT_FALSE(m_manager.IsModified()) << "back at the save point";
    m_manager.Undo(nullptr);
    Run("c");
    EXPECT_EQ(m_manager.GetChangeCount(), 0) << "a plain counter: -1 + 1";
}

TEST_F(CommandManager, ExceptionsAreReportedByTitleAndNeverLoseTheHistory)
{
    Run("a", 10);
    auto failing = Make("回転");
    failing->throws = true;
    EXPECT_FALSE(m_manager.Execute(std::move(failing), false));
    EXPECT_EQ(m_log.back(), "delete 回転");
    EXPECT_EQ(MenuText(true), "元に戻す:a");
    EXPECT_EQ(m_manager.GetChangeCount(), 1);

    Run("レイヤ削除", 50)->throws = true;
    EXPECT_TRUE(m_manager.Undo(nullptr));
    EXPECT_EQ(MenuText(false), "やり直す:レイヤ削除") << "moved all the same";
    EXPECT_TRUE(m_manager.Redo(nullptr));
    EXPECT_EQ(MenuText(true), "元に戻す:レイヤ削除");
    EXPECT_EQ(m_manager.GetChangeCount(), 2);
    EXPECT_EQ(m_manager.GetTotalSize(), 60);

    ASSERT_EQ(m_boxes->GetRecords().size(), 3u);
    EXPECT_EQ(m_boxes->GetRecords()[0].text, "コマンド「回転」を実行" + kReportPlease);
    EXPECT_EQ(m_boxes->GetRecords()[1].text, "コマンド「レイヤ削除」をアンドゥ" + kReportPlease);
    EXPECT_EQ(m_boxes->GetRecords()[2].text, "コマンド「レイヤ削除」をリドゥ" + kReportPlease);
    EXPECT_EQ(m_boxes->GetRecords()[2].icon, MessageBoxIcon::None);
}

TEST_F(CommandManager, ARefusingCommandShowsItsReasonOnlyWhenAskedTo)
{
    const auto refuse = [&](const std::string& reason, bool report) {
        auto command = Make("パレット追加");
        command->refusal = reason;
        return m_manager.Execute(std::move(command), report);
    };
    EXPECT_FALSE(refuse("これ以上パレットは追加できません。", false));
    EXPECT_TRUE(m_boxes->GetRecords().empty());
    EXPECT_FALSE(refuse("これ以上パレットは追加できません。", true));
    ASSERT_EQ(m_boxes->GetRecords().size(), 1u);
    EXPECT_EQ(m_boxes->GetRecords()[0].text, "これ以上パレットは追加できません。");
    EXPECT_EQ(m_log.back(), "delete パレット追加");
    EXPECT_EQ(MenuText(true), "元に戻す (disabled)");
    EXPECT_EQ(m_manager.GetChangeCount(), 0);
}
