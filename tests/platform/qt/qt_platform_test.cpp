#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>

#include "model/delay.h"
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

TEST(QtFileDialog, FilterPairsBecomeNameFilters)
{
    const QStringList filters =
        CQtFileDialog::ToNameFilters("全ての画像形式|*.sbx;*.png|sbx - Stipple Box 2形式|*.sbx||");
    ASSERT_EQ(filters.size(), 2);
    EXPECT_EQ(filters[0], QString::fromUtf8("全ての画像形式 (*.sbx *.png)"));
    EXPECT_EQ(filters[1], QString::fromUtf8("sbx - Stipple Box 2形式 (*.sbx)"));
    EXPECT_TRUE(CQtFileDialog::ToNameFilters("|").isEmpty());
}
