#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "app/palette_property_dlg.h"
#include "app/qt/palette_property_form.h"

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
