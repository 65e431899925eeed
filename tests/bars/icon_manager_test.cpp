#include <gtest/gtest.h>

#include "bars/embedded_icons.h"
#include "bars/icon_manager.h"

namespace {

constexpr DisplayPixel kOutline = MakeDisplayPixel(0x1E, 0x1E, 0x28);
constexpr DisplayPixel kBackdrop = MakeDisplayPixel(1, 2, 3);

CDibSection Backdrop(int width, int height)
{
    CDibSection surface;
    surface.Create(width, height, kDisplayBitCount, 0);
    for (int y = 0; y < height; ++y) {
        std::fill_n(surface.GetDisplayRow(y), width, kBackdrop);
    }
    return surface;
}

}  // namespace

TEST(IconManager, EveryEmbeddedIconReadsAtBothScales)
{
    const CIconManager icons;
    ASSERT_FALSE(GetEmbeddedIcons().empty());
    for (const SEmbeddedIcon& embedded : GetEmbeddedIcons()) {
        const CIcon* icon = icons.Find(embedded.code);
        ASSERT_NE(icon, nullptr) << embedded.code;
        const int side = embedded.code == CIconManager::kApplicationIcon ? 32 : 16;
        EXPECT_EQ(icon->GetSize(1), (CSize{side, side})) << embedded.code;
        EXPECT_EQ(icon->GetSize(2), (CSize{2 * side, 2 * side})) << embedded.code;
    }
    // The layer window's marks are drawn in its own tests.
    EXPECT_EQ(icons.Find(66), nullptr);
}

// The new-file icon's first row is "..kkkkkkkk......" and its last
// "...........y..y.": drawn pixels land the right way up, transparent ones
// leave the surface alone.
TEST(IconManager, DrawsOpaquePixelsUprightAndClipsAtTheEdges)
{
    const CIconManager icons;
    CDibSection surface = Backdrop(20, 20);
    icons.DrawIcon(surface, 57600, {0, 0, 20, 20}, 1);  // centred: at (2, 2)
    EXPECT_EQ(surface.GetDisplayRow(2)[2], kBackdrop);
    EXPECT_EQ(surface.GetDisplayRow(2)[4], kOutline);
    EXPECT_EQ(surface.GetDisplayRow(2)[11], kOutline);
    EXPECT_EQ(surface.GetDisplayRow(2)[12], kBackdrop);
    EXPECT_EQ(surface.GetDisplayRow(17)[13], MakeDisplayPixel(0xF5, 0xD2, 0x3C));
    EXPECT_EQ(surface.GetDisplayRow(17)[4], kBackdrop);

    const std::vector<uint32_t> argb = icons.Find(57600)->GetArgbPixels(1);
    EXPECT_EQ(argb[2], 0xFF000000 | kOutline);
    EXPECT_EQ(argb[0] >> 24, 0u);

    // Half off every edge: only the overlap is touched.
    CDibSection small = Backdrop(8, 8);
    icons.Find(57600)->Draw(small, {-4, -8}, 2);
    icons.Find(57600)->Draw(small, {4, 4}, 2);
    EXPECT_EQ(small.GetDisplayRow(0)[0], kOutline) << "2x row 8 of the page outline";
}
