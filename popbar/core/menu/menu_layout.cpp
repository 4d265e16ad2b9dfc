#include "menu/menu_layout.h"

#include "accessible_names.h"
#include "protocol/menu.h"

namespace {

constexpr WORD kPairLeft[6] = {2111, 2119, 2112, 2123, 2126, 2132};
constexpr WORD kPairRight[6] = {2107, 2113, 2108, 2120, 2157, 2130};

constexpr ButtonSlot PairLeft(UINT nID, int nRow, UINT nName)
{
    return {nID, nRow, false, ImageForm::SixIds,
            {kPairLeft[0], kPairLeft[1], kPairLeft[2], kPairLeft[3], kPairLeft[4], kPairLeft[5]}, 0, true, nName};
}

constexpr ButtonSlot PairRight(UINT nID, int nRow, UINT nName)
{
    return {nID, nRow, true, ImageForm::SixIds,
            {kPairRight[0], kPairRight[1], kPairRight[2], kPairRight[3], kPairRight[4], kPairRight[5]}, 0, true, nName};
}

} // namespace

const ButtonSlot kButtonTable[kButtonCount] = {
    {ID_DISPLAYMODE, 0, false, ImageForm::FourIds, {2159, 2158, 2160, 2159}, 0, true, IDS_ACC_DISPLAY_LAPTOP},
    {ID_DISPLAYMODE, 0, false, ImageForm::FourIds, {2170, 2171, 2169, 2170}, 0, false, IDS_ACC_DISPLAY_MONITOR},
    {ID_DISPLAYMODE, 0, false, ImageForm::FourIds, {2083, 2085, 2084, 2083}, 0, false, IDS_ACC_DISPLAY_DUPLICATE},
    {ID_DISPLAYMODE, 0, false, ImageForm::FourIds, {2094, 2099, 2096, 2094}, 0, false, IDS_ACC_DISPLAY_EXTEND},
    {ID_DARKER, 1, false, ImageForm::SixIds, {2134, 2145, 2140, 2127, 2141, 2136}, 0, true, IDS_ACC_DARKER},
    {ID_BRIGHTER, 1, true, ImageForm::SixIds, {2135, 2148, 2142, 2129, 2139, 2133}, 0, true, IDS_ACC_BRIGHTER},
    PairLeft(ID_SCREEN_ON, 2, IDS_ACC_SCREEN_ON),
    PairRight(ID_SCREEN_OFF, 2, IDS_ACC_SCREEN_OFF),
    {ID_RES_NORMAL, 3, false, ImageForm::FourIds, {2114, 2121, 2117, 2125}, 0, true, IDS_ACC_RES_NORMAL},
    {ID_RES_HIGH, 3, true, ImageForm::FourIds, {2115, 2122, 2118, 2128}, 0, true, IDS_ACC_RES_HIGH},
    PairLeft(ID_BLUETOOTH_ON, 4, IDS_ACC_BLUETOOTH_ON),
    PairRight(ID_BLUETOOTH_OFF, 4, IDS_ACC_BLUETOOTH_OFF),
    PairLeft(ID_WIRELESS_ON, 5, IDS_ACC_WIRELESS_ON),
    PairRight(ID_WIRELESS_OFF, 5, IDS_ACC_WIRELESS_OFF),
    PairLeft(ID_WIRED_LAN_ON, 6, IDS_ACC_WIRED_LAN_ON),
    PairRight(ID_WIRED_LAN_OFF, 6, IDS_ACC_WIRED_LAN_OFF),
    {ID_BATTERY, 7, false, ImageForm::SixIdsAndGlyphs, {2162, 2161, 2163, 2086, 2088, 2093}, 2200, true,
     IDS_ACC_BATTERY_LEVEL},
};

WORD FacePicture(const ButtonSlot& slot, FaceSlot face)
{
    const int nFace = static_cast<int>(face);
    if (slot.form == ImageForm::FourIds && nFace > static_cast<int>(FaceSlot::OffNormal))
        return slot.images[static_cast<int>(FaceSlot::OffNormal)];
    return slot.images[nFace];
}

const int kLoadOrder[kButtonCount] = {4, 5, 14, 15, 10, 11, 6, 7, 12, 13, 16, 0, 1, 2, 3, 8, 9};

POINT ButtonPosition(int nRow, bool bRightColumn, int nImageWidth, int nImageHeight)
{
    return {bRightColumn ? nImageWidth + 130 : 128, 9 + nRow * (nImageHeight + 11)};
}
