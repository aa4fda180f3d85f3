#pragma once
// The windows keep their layout in twips (1/1440 inch), as the game's editors were drawn; at the
// 96 dots an inch the layout assumes, a pixel is 15 twips.

namespace busho {

inline constexpr int kTwipsPerPixel = 15;

constexpr int Pixels(int twips) { return twips / kTwipsPerPixel; }

}  // namespace busho
