#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/palette_property_dlg.h"
#include "app/qt/palette_property_form.h"
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
    EXPECT_EQ(CQtFileDialog::ToNameFilters("全ての画像形式|*.sbx;*.png|sbx - Stipple Box 2形式|*.sbx||"),
              QStringList({QString::fromUtf8("全ての画像形式 (*.sbx *.png)"),
                           QString::fromUtf8("sbx - Stipple Box 2形式 (*.sbx)")}));
    EXPECT_TRUE(CQtFileDialog::ToNameFilters("|").isEmpty());
}

TEST(PalettePropertyForm, ShowsTheNameUnderItsLabelAndKeepsEveryCodeUnitOnOk)
{
    const std::u16string name = std::u16string(u"夜の") + char16_t(0xDC00);
    CPalettePropertyDlg dialog(name);
    CPalettePropertyForm form(dialog);
    auto* field = form.findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text().toStdU16String(), name);
    ASSERT_NE(form.findChild<QLabel*>(), nullptr);
    EXPECT_EQ(form.findChild<QLabel*>()->text(), QString::fromUtf8("パレット名 :"));

    form.accept();
    EXPECT_EQ(dialog.GetName(), name) << "an unedited name comes back unchanged";
    field->setText(QString::fromUtf8("朝"));
    form.reject();
    EXPECT_EQ(dialog.GetName(), name) << "cancel keeps the name";
    form.accept();
    EXPECT_EQ(dialog.GetName(), u"朝");
}
