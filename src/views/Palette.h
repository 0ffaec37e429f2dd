#pragma once

#include <array>
#include <cstdint>

namespace tarvo::views {

struct Rgb {
    std::uint8_t r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The classic 16-colour palette; drawing colours are indexes into it.
inline constexpr std::array<Rgb, 16> palette{{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 128, 128},
    {128, 0, 0},
    {128, 0, 128},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
}};

// The indexes the machine draws with.
namespace colour {
inline constexpr int black = 0;
inline constexpr int lightGreen = 10;
inline constexpr int lightRed = 12;
inline constexpr int lightMagenta = 13;
inline constexpr int yellow = 14;
inline constexpr int brightWhite = 15;
}  // namespace colour

// Palette colour of an index, wrapping like the 4-bit colour it is.
inline Rgb paletteColour(int index) {
    return palette[static_cast<std::size_t>(index) & 15u];
}

inline constexpr Rgb drawingBackground{64, 64, 64};  // plan and axonometric views
inline constexpr Rgb magnifiedBackground{224, 224, 224};

}  // namespace tarvo::views
