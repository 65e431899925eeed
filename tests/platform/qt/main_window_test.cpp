#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <set>

#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "platform/qt/main_window_fixture.h"
#include "platform/qt/qt_canvas_frame.h"
#include "platform/qt/qt_window_host.h"
#include "support/main_dialog_fixture.h"

namespace {

// Every command the main dialog routes or will route, by its ID.
std::set<unsigned> AllCommandIDs()
{
    std::set<unsigned> ids = {57600, 57601, 57603, 57604, 33066, 33068, 32775, 57643, 57644, 57635, 57634, 57637,
                              32815, 33023, 33024, 33020, 33022, 33021, 33082, 33075, 32794, 32795, 32796, 32797,
                              32798, 32800, 32801, 32802, 32803, 32804, 32805, 32807, 32882, 32883, 32838, 33071,
                              33027, 32824, 32825, 32826, 32827, 33069, 32900, 32960, 32961, 32828, 32829, 32895,
                              32896, 32897, 32898, 32887, 32915, 32916, 33077, 32918, 32994, 32992, 32972, 32973,
                              32996, 33042, 33034, 33080, 33081, 32885, 32879, 32877, 33106, 33028, 33064, 33110,
                              32958, 32781, 32833, 32835, 32856, 32873, 32912, 34130, 34131, 34160};
    for (const auto& [first, last] : {std::pair{32850u, 32854u}, {32858u, 32865u}, {32906u, 32910u},
                                      {33006u, 33013u}, {33099u, 33105u}, {34100u, 34105u}}) {
        for (unsigned id = first; id <= last; ++id) {
            ids.insert(id);
        }
    }
    ids.insert({34180, 34181});  // ピクセルパーフェクト, スプライトシートで書き出す...
    return ids;
}

class MainWindow : public CQtMainWindowTest {
protected:
    // The item's label, without the keys shown after a tab.
    QString MenuText(unsigned id)
    {
        UpdateAllMenus();
        return byId.at(id)->text().section('\t', 0, 0);
    }
    void SendKey(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers)
    {
        QKeyEvent event(type, key, modifiers);
        QApplication::sendEvent(&window.GetCanvasHost(), &event);
    }
    // A point inside an image pixel on the canvas window.
    QPoint At(int x, int y)
    {
        const CRect pixel = dialog.GetImageEditWnd().ImageToScreen({x, y, x + 1, y + 1});
        return QPoint(pixel.left + 1, pixel.top + 1);
    }
    static void SendMouse(QWidget& target, QEvent::Type type, QPoint point)
    {
        QMouseEvent event(type, QPointF(point), target.mapToGlobal(QPointF(point)), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
    }
    // Press at the first point, move through the others, release at the last.
    void Drag(std::initializer_list<QPoint> points)
    {
        QWidget& canvas = window.GetCanvasHost();
        SendMouse(canvas, QEvent::MouseButtonPress, *points.begin());
        for (const QPoint& point : points) {
            SendMouse(canvas, QEvent::MouseMove, point);
        }
        SendMouse(canvas, QEvent::MouseButtonRelease, *(points.end() - 1));
    }
};

}  // namespace

TEST_F(MainWindow, TheMenuBarHoldsEveryCommandOnceWithItsLabel)
{
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("新しい画像 - Stipple Box 2"));
    QStringList titles;
    for (QAction* action : window.menuBar()->actions()) {
        titles.append(action->text());
    }
    EXPECT_EQ(titles.join(' '), QString::fromUtf8("ファイル 編集 ツール 表示 レイヤ パレット ウィンドウ 設定 ヘルプ"));
    std::set<unsigned> ids;
    for (const auto& [id, action] : byId) {
        ids.insert(id);
    }
    EXPECT_EQ(ids, AllCommandIDs());
    const std::map<unsigned, const char*> samples = {
        {kCmdFileNew, "新規作成..."},       {kCmdExportAnimatedGif, "レイヤアニメをアニメGIFで書き出す..."},
        {kCmdZoom1, "等倍"},                {kCmdZoom32, "x 32"},
        {kCmdDelayUnitLast, "1/1000 秒"},   {kCmdToolbarLast, "エディットツールバー"},
        {kCmdScrollDown, "下へスクロール"}, {kCmdFillStyleLast, "垂直線"},
        {kCmdExportSpriteSheet, "スプライトシートで書き出す..."}, {kCmdPixelPerfect, "ピクセルパーフェクト"}};
    for (const auto& [id, label] : samples) {
        EXPECT_EQ(byId.at(id)->text().section('\t', 0, 0), QString::fromUtf8(label)) << id;
    }
}

TEST_F(MainWindow, MenusAskTheDialogForTheirStatesBeforeTheyShow)
{
    byId.at(kCmdZoom1)->trigger();  // from the zoom the start-up picture was fitted at
    UpdateAllMenus();
    for (const unsigned id : {kCmdFileNew, kCmdFileOpen, kCmdFileSave, kCmdFileSaveAs, kCmdExportLayers,
                              kCmdExportAnimatedGif, kCmdExit, kCmdZoomIn, kCmdOnionSkin, kCmdScrollLeft, kCmdCut,
                              kCmdToolFreehand, kCmdLayerAdd}) {
        EXPECT_TRUE(byId.at(id)->isEnabled()) << id;
    }
    for (const unsigned id : {kCmdUndo, kCmdPaste, kCmdPenSizeFirst, kCmdLayerDelete, kCmdGrid, kCmdZoomOut}) {
        EXPECT_FALSE(byId.at(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(byId.at(kCmdZoom1)->isChecked());
    EXPECT_TRUE(byId.at(kCmdToolScroll)->isChecked());

    byId.at(kCmdZoom8)->trigger();
    UpdateAllMenus();
    EXPECT_EQ(dialog.GetImageEditWnd().GetZoom(), 8);
    EXPECT_TRUE(byId.at(kCmdZoom8)->isChecked());
    EXPECT_FALSE(byId.at(kCmdZoom1)->isChecked());
    EXPECT_TRUE(byId.at(kCmdGrid)->isEnabled());

    window.resize(1000, 700);
    QApplication::processEvents();
    const CQtWindowHost& canvas = window.GetCanvasHost();
    EXPECT_EQ(window.GetCanvasFrame().width(), window.width()) << "the canvas fills the window below the menu bar";
    EXPECT_EQ(dialog.GetImageEditWnd().GetClientSize(), (CSize{canvas.width(), canvas.height()}));
}

TEST_F(MainWindow, ClosingTheWindowIsExitWithItsQuestion)
{
    dialog.GetCommandManager().Execute(std::make_unique<CChange>(), true);
    messages->QueueAnswer(MessageBoxAnswer::Cancel);
    window.close();
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(messages->GetRecords().size(), 1u);
    EXPECT_EQ(messages->GetRecords()[0].text, "新しい画像 への変更を保存しますか？");

    messages->QueueAnswer(MessageBoxAnswer::No);
    window.close();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindow, CtrlZAfterAStrokeUndoesItAndTheMenuNamesTheKeys)
{
    byId.at(kCmdZoom4)->trigger();
    byId.at(kCmdToolFreehand)->trigger();
    Drag({At(10, 10), At(12, 10)});
    const CStippleboxLayer& layer = *dialog.GetDocument()->GetCurrentLayer();
    const uint8_t ink = dialog.GetDocument()->GetDrawingColor();
    ASSERT_EQ(layer.GetPixel(11, 10), ink);
    UpdateAllMenus();
    EXPECT_EQ(byId.at(kCmdUndo)->text(), QString::fromUtf8("元に戻す:描画\tCtrl+Z"));
    EXPECT_EQ(byId.at(kCmdRedo)->text(), QString::fromUtf8("やり直す\tCtrl+Y, Ctrl+Shift+Z"));

    SendKey(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    SendKey(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
    SendKey(QEvent::KeyRelease, Qt::Key_Z, Qt::ControlModifier);
    SendKey(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
    EXPECT_NE(layer.GetPixel(11, 10), ink);
    EXPECT_EQ(MenuText(kCmdUndo), QString::fromUtf8("元に戻す"));
}

TEST_F(MainWindow, AltHeldPicksAColourUntilReleasedOrTheWindowLosesTheKeyboard)
{
    byId.at(kCmdZoom4)->trigger();
    byId.at(kCmdToolFreehand)->trigger();
    CStippleboxData& document = *dialog.GetDocument();
    document.GetCurrentLayer()->SetPixel(5, 5, 7);
    dialog.OnLayersChanged(false);
    for (const bool deactivate : {false, true}) {
        document.SetDrawingColor(0);
        SendKey(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        Drag({At(5, 5)});
        EXPECT_EQ(document.GetDrawingColor(), 7) << deactivate;
        if (deactivate) {
            QEvent leaving(QEvent::WindowDeactivate);
            QApplication::sendEvent(&window, &leaving);
        } else {
            SendKey(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        }
        Drag({At(6, 5)});
        EXPECT_EQ(document.GetCurrentLayer()->GetPixel(6, 5), 7) << "drawn: " << deactivate;
    }
}

TEST_F(MainWindow, CtrlWheelZoomsAroundThePointerAndTheScrollBarsFollowAndMoveTheView)
{
    CImageEditWnd& canvas = dialog.GetImageEditWnd();
    const int fitted = canvas.GetZoom();
    const QPoint pointer = At(20, 30);
    QWheelEvent wheel(QPointF(pointer), window.GetCanvasHost().mapToGlobal(QPointF(pointer)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&window.GetCanvasHost(), &wheel);
    EXPECT_GT(canvas.GetZoom(), fitted);
    EXPECT_EQ(canvas.ScreenToImage({pointer.x(), pointer.y()}), (CPoint{20, 30}));

    QScrollBar& horizontal = window.GetCanvasFrame().GetScrollBar(EScrollBar::Horizontal);
    QScrollBar& vertical = window.GetCanvasFrame().GetScrollBar(EScrollBar::Vertical);
    EXPECT_EQ(horizontal.value(), canvas.GetScrollPosition().x);
    EXPECT_EQ(vertical.maximum(), canvas.GetVerticalScroll().maximum);
    vertical.setValue(vertical.minimum());
    EXPECT_EQ(canvas.GetScrollPosition().y, canvas.GetVerticalScroll().minimum);
}
