#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>

#include "app/new_document.h"
#include "model/delay.h"
#include "model/stipplebox_data.h"
#include "platform/qt/picture_view.h"
#include "platform/qt/qt_combo_box.h"
#include "platform/qt/qt_file_dialog.h"

TEST(QtComboBox, CarriesTheDelayUnitsWithTheirData)
{
    QComboBox widget;
    CQtComboBox combo(widget);
    FillDelayUnits(combo, 8);
    ASSERT_EQ(widget.count(), 8);
    EXPECT_EQ(widget.itemText(0), QString::fromUtf8("1/10 秒"));
    EXPECT_EQ(widget.currentIndex(), 7);
    EXPECT_EQ(combo.GetItemData(widget.currentIndex()), 8);
}

TEST(PictureView, ShowsTheLayerThroughTheFiveSixFiveDisplayColours)
{
    auto document = CreateStartupDocument();
    document->GetCurrentLayer()->SetPixel(3, 2, 64);  // pure red in the default palette
    CPictureView view;
    view.SetDocument(document.get());
    const QImage& image = view.GetImage();
    ASSERT_EQ(image.format(), QImage::Format_RGB16);
    EXPECT_EQ(image.size(), QSize(64, 64));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(3, 2), QColor(255, 0, 0));

    view.resize(640, 640);  // zoom 8, centred: the picture starts at 64, 64
    const QImage shown = view.grab().toImage();
    EXPECT_EQ(shown.pixelColor(64 + 3 * 8, 64 + 2 * 8), QColor(255, 0, 0)) << "enlarged by whole pixels";
    EXPECT_EQ(shown.pixelColor(64 + 3 * 8 + 7, 64 + 2 * 8 + 7), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(64 + 3 * 8 - 1, 64 + 2 * 8), QColor(255, 255, 255)) << "no smoothing at the edge";
}

TEST(QtFileDialog, FilterPairsBecomeNameFilters)
{
    const QStringList filters =
        CQtFileDialog::ToNameFilters("全ての画像形式|*.sbx;*.png|sbx - Stipple Box 2形式|*.sbx||");
    ASSERT_EQ(filters.size(), 2);
    EXPECT_EQ(filters[0], QString::fromUtf8("全ての画像形式 (*.sbx *.png)"));
    EXPECT_EQ(filters[1], QString::fromUtf8("sbx - Stipple Box 2形式 (*.sbx)"));
    EXPECT_TRUE(CQtFileDialog::ToNameFilters("|").isEmpty());
}
