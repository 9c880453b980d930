// A picture in memory: 32-bit pixels 0x00RRGGBB, row by row from the top, owned by the object.
// Every surface of the game window, the window itself and every decoded picture file is one.
#pragma once

#include <cstdint>
#include <vector>

namespace polvareda {

using Pixel = std::uint32_t;  // 0x00RRGGBB; the top byte is always 0

constexpr Pixel Rgb(int r, int g, int b) {
    return (static_cast<Pixel>(r & 0xFF) << 16) | (static_cast<Pixel>(g & 0xFF) << 8) |
           static_cast<Pixel>(b & 0xFF);
}

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool operator==(const Rect&) const = default;
};

class Imagen {
  public:
    Imagen() = default;
    Imagen(int width, int height, Pixel fill = 0)
        : width_(width > 0 ? width : 0),
          height_(height > 0 ? height : 0),
          pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return pixels_.empty(); }

    Pixel* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const Pixel* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    Pixel& At(int x, int y) { return Row(y)[x]; }
    Pixel At(int x, int y) const { return Row(y)[x]; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    std::vector<Pixel>& Pixels() { return pixels_; }
    const std::vector<Pixel>& Pixels() const { return pixels_; }

    bool operator==(const Imagen&) const = default;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

}  // namespace polvareda
