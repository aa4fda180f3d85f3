#pragma once
// The castles marked on the map picture: the one table that the map window places its markers by and
// that the map generator draws its land around. Standard C++ only.

#include <array>
#include <cstdint>

#include "platform/twips.h"

namespace busho::map {

using busho::kTwipsPerPixel;

// The map picture, in pixels.
inline constexpr int kImageWidth = 950;
inline constexpr int kImageHeight = 360;

// A marker's index names its castle: item (index - kMarkerIndexBase) of the castle list cSS.
inline constexpr int kMarkerIndexBase = 1000;
inline constexpr int kMarkerSizeTwips = 255;
inline constexpr int kMarkerSize = kMarkerSizeTwips / kTwipsPerPixel;

inline constexpr std::uint32_t kMarkerRgb = 0x400000;  // RGB(64, 0, 0)
inline constexpr std::uint32_t kSeatRgb = 0x800000;    // RGB(128, 0, 0): the shogun's seat
inline constexpr int kSeatMarker = 1096;               // 室叮御所

// The land of the map picture is painted in this one flat colour wherever a marker stands.
inline constexpr std::uint32_t kLandRgb = 0xE2CF9C;

struct MarkerPlace {
    int index;  // kMarkerIndexBase + castle item
    int left;   // inside the map picture, in twips
    int top;
};

inline constexpr int kMarkerCount = 60;

// Every third castle item from 0 to 177.
inline constexpr std::array<MarkerPlace, kMarkerCount> kMarkers{{
    {1000, 11760, 120},  {1003, 12840, 1080}, {1006, 12000, 720},  {1009, 12480, 1680}, {1012, 12120, 2280},
    {1015, 12120, 3000}, {1018, 10800, 2520}, {1021, 11880, 1080}, {1024, 11520, 2040}, {1027, 11520, 3480},
    {1030, 10920, 3720}, {1033, 10920, 4680}, {1036, 10920, 3120}, {1039, 10080, 3120}, {1042, 10560, 3960},
    {1045, 9960, 4320},  {1048, 9360, 3720},  {1051, 9120, 3000},  {1054, 10800, 1920}, {1057, 9840, 2040},
    {1060, 8880, 2040},  {1063, 8640, 1560},  {1066, 8280, 1920},  {1069, 7680, 2160},  {1072, 9000, 4440},
    {1075, 8160, 4080},  {1078, 7920, 3720},  {1081, 8160, 3120},  {1084, 8640, 2520},  {1087, 7200, 4200},
    {1090, 7680, 2520},  {1093, 7320, 3120},  {1096, 6720, 3000},  {1099, 6600, 1920},  {1102, 6480, 2520},
    {1105, 6240, 3840},  {1108, 6360, 3240},  {1111, 6720, 3720},  {1114, 5760, 4320},  {1117, 5760, 2640},
    {1120, 5160, 2640},  {1123, 4320, 2040},  {1126, 3120, 1920},  {1129, 5640, 1680},  {1132, 4560, 1440},
    {1135, 5040, 3840},  {1138, 3840, 3240},  {1141, 3120, 3720},  {1144, 3960, 3840},  {1147, 3360, 4080},
    {1150, 2520, 2520},  {1153, 2400, 3120},  {1156, 1920, 2040},  {1159, 1560, 2160},  {1162, 1200, 2520},
    {1165, 1800, 3000},  {1168, 1440, 3480},  {1171, 2040, 3840},  {1174, 1080, 3720},  {1177, 1320, 4200},
}};

}  // namespace busho::map
