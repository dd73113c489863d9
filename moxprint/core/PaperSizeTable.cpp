#include "moxprint/core/PaperSizeTable.h"

#include <array>

namespace {

// Codes -1 .. -14 list the common sizes first; from -15 on a code -n names the printer's paper
// number n, except -24 .. -26, whose numbers the first rows took (they carry 12 .. 14).
// Reserved printer numbers (48, 49) have no size.
constexpr std::array<PaperSize, 118> kPaperSizes{{
    {-1, 9, 2100, 2970},  // A4
    {-2, 1, 2159, 2794},  // Letter
    {-3, 5, 2159, 3556},  // Legal
    {-4, 24, 4318, 5588},  // C size sheet
    {-5, 25, 5588, 8636},  // D size sheet
    {-6, 26, 8636, 11176},  // E size sheet
    {-7, 2, 2159, 2794},  // Letter small
    {-8, 3, 2794, 4318},  // Tabloid
    {-9, 4, 4318, 2794},  // Ledger
    {-10, 6, 1397, 2159},  // Statement
    {-11, 7, 1842, 2667},  // Executive
    {-12, 8, 2970, 4200},  // A3
    {-13, 10, 2100, 2970},  // A4 small
    {-14, 11, 1480, 2100},  // A5
    {-15, 15, 2150, 2750},  // Quarto
    {-16, 16, 2540, 3556},  // 10 x 14 in
    {-17, 17, 2794, 4318},  // 11 x 17 in
    {-18, 18, 2159, 2794},  // Note
    {-19, 19, 984, 2254},  // Envelope #9
    {-20, 20, 1048, 2413},  // Envelope #10
    {-21, 21, 1143, 2635},  // Envelope #11
    {-22, 22, 1207, 2794},  // Envelope #12
    {-23, 23, 1270, 2921},  // Envelope #14
    {-24, 12, 2500, 3540},  // B4 (JIS)
    {-25, 13, 1820, 2570},  // B5 (JIS)
    {-26, 14, 2159, 3302},  // Folio
    {-27, 27, 1100, 2200},  // Envelope DL
    {-28, 28, 1620, 2290},  // Envelope C5
    {-29, 29, 3240, 4580},  // Envelope C3
    {-30, 30, 2290, 3240},  // Envelope C4
    {-31, 31, 1140, 1620},  // Envelope C6
    {-32, 32, 1140, 2290},  // Envelope C65
    {-33, 33, 2500, 3530},  // Envelope B4
    {-34, 34, 1760, 2500},  // Envelope B5
    {-35, 35, 1760, 1250},  // Envelope B6
    {-36, 36, 1100, 2300},  // Envelope Italy
    {-37, 37, 984, 1905},  // Envelope Monarch
    {-38, 38, 921, 1651},  // Envelope 6 3/4
    {-39, 39, 3778, 2794},  // US standard fanfold
    {-40, 40, 2159, 3048},  // German standard fanfold
    {-41, 41, 2159, 3302},  // German legal fanfold
    {-42, 42, 2500, 3530},  // B4 (ISO)
    {-43, 43, 1000, 1480},  // Japanese postcard
    {-44, 44, 2286, 2794},  // 9 x 11 in
    {-45, 45, 2540, 2794},  // 10 x 11 in
    {-46, 46, 3810, 2794},  // 15 x 11 in
    {-47, 47, 2200, 2200},  // Envelope invite
    {-48, 48, 0, 0},  // reserved
    {-49, 49, 0, 0},  // reserved
    {-50, 50, 2413, 3048},  // Letter extra
    {-51, 51, 2413, 3810},  // Legal extra
    {-52, 52, 2969, 4572},  // Tabloid extra
    {-53, 53, 2355, 3223},  // A4 extra
    {-54, 54, 2159, 2794},  // Letter transverse
    {-55, 55, 2100, 2970},  // A4 transverse
    {-56, 56, 2413, 3048},  // Letter extra transverse
    {-57, 57, 2270, 3560},  // Super A
    {-58, 58, 3050, 4870},  // Super B
    {-59, 59, 2159, 3223},  // Letter plus
    {-60, 60, 2100, 3300},  // A4 plus
    {-61, 61, 1480, 2100},  // A5 transverse
    {-62, 62, 1820, 2570},  // B5 (JIS) transverse
    {-63, 63, 3220, 4450},  // A3 extra
    {-64, 64, 1740, 2350},  // A5 extra
    {-65, 65, 2010, 2760},  // B5 (ISO) extra
    {-66, 66, 4200, 5940},  // A2
    {-67, 67, 2970, 4200},  // A3 transverse
    {-68, 68, 3220, 4450},  // A3 extra transverse
    {-69, 69, 2000, 1480},  // Japanese double postcard
    {-70, 70, 1050, 1480},  // A6
    {-71, 71, 2400, 3320},  // Japanese envelope Kaku #2
    {-72, 72, 2160, 2770},  // Japanese envelope Kaku #3
    {-73, 73, 1200, 2350},  // Japanese envelope Chou #3
    {-74, 74, 900, 2050},  // Japanese envelope Chou #4
    {-75, 75, 2794, 2159},  // Letter rotated
    {-76, 76, 4200, 2970},  // A3 rotated
    {-77, 77, 2970, 2100},  // A4 rotated
    {-78, 78, 2100, 1480},  // A5 rotated
    {-79, 79, 3640, 2570},  // B4 (JIS) rotated
    {-80, 80, 2570, 1820},  // B5 (JIS) rotated
    {-81, 81, 1480, 1000},  // Japanese postcard rotated
    {-82, 82, 1480, 2000},  // Japanese double postcard rotated
    {-83, 83, 1480, 1050},  // A6 rotated
    {-84, 84, 3320, 2400},  // Japanese envelope Kaku #2 rotated
    {-85, 85, 2770, 2160},  // Japanese envelope Kaku #3 rotated
    {-86, 86, 2350, 1200},  // Japanese envelope Chou #3 rotated
    {-87, 87, 2050, 900},  // Japanese envelope Chou #4 rotated
    {-88, 88, 1280, 1820},  // B6 (JIS)
    {-89, 89, 1820, 1280},  // B6 (JIS) rotated
    {-90, 90, 3048, 2794},  // 12 x 11 in
    {-91, 91, 1050, 2350},  // Japanese envelope You #4
    {-92, 92, 2350, 1050},  // Japanese envelope You #4 rotated
    {-93, 93, 1460, 2150},  // PRC 16K
    {-94, 94, 970, 1510},  // PRC 32K
    {-95, 95, 970, 1510},  // PRC 32K big
    {-96, 96, 1020, 1650},  // PRC envelope #1
    {-97, 97, 1020, 1760},  // PRC envelope #2
    {-98, 98, 1250, 1760},  // PRC envelope #3
    {-99, 99, 1100, 2080},  // PRC envelope #4
    {-100, 100, 1100, 2200},  // PRC envelope #5
    {-101, 101, 1200, 2300},  // PRC envelope #6
    {-102, 102, 1600, 2300},  // PRC envelope #7
    {-103, 103, 1200, 3090},  // PRC envelope #8
    {-104, 104, 2290, 3240},  // PRC envelope #9
    {-105, 105, 3240, 4580},  // PRC envelope #10
    {-106, 106, 2150, 1460},  // PRC 16K rotated
    {-107, 107, 1510, 970},  // PRC 32K rotated
    {-108, 108, 1510, 970},  // PRC 32K big rotated
    {-109, 109, 1650, 1020},  // PRC envelope #1 rotated
    {-110, 110, 1760, 1020},  // PRC envelope #2 rotated
    {-111, 111, 1760, 1250},  // PRC envelope #3 rotated
    {-112, 112, 2080, 1100},  // PRC envelope #4 rotated
    {-113, 113, 2200, 1100},  // PRC envelope #5 rotated
    {-114, 114, 2300, 1200},  // PRC envelope #6 rotated
    {-115, 115, 2300, 1600},  // PRC envelope #7 rotated
    {-116, 116, 3090, 1200},  // PRC envelope #8 rotated
    {-117, 117, 3240, 2290},  // PRC envelope #9 rotated
    {-118, 118, 4580, 3240},  // PRC envelope #10 rotated
}};

}  // namespace

std::span<const PaperSize> PaperSizeTable() { return kPaperSizes; }

std::optional<PaperSize> FindPaperSize(int32_t code)
{
    if (code > -1 || code < -int32_t(kPaperSizes.size()))
        return std::nullopt;
    const PaperSize& entry = kPaperSizes[size_t(-code - 1)];
    if (entry.width <= 0 || entry.height <= 0)
        return std::nullopt;
    return entry;
}
