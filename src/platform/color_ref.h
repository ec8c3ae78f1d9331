#pragma once

#include <cstdint>

// A table or pen colour: red, green and blue, one byte each.
struct ColorRef {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const ColorRef&, const ColorRef&) = default;
};

// Builds a colour from three components, keeping the low 8 bits of each.
constexpr ColorRef MakeColorRef(int red, int green, int blue) {
    return ColorRef{static_cast<std::uint8_t>(red & 0xFF), static_cast<std::uint8_t>(green & 0xFF),
                    static_cast<std::uint8_t>(blue & 0xFF)};
}
