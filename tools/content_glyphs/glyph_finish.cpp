#include "glyph_finish.h"

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <vector>

namespace tcm::tools {

namespace {

constexpr QRgb kHandKey = 0x9B9B9B;
constexpr QRgb kEyeKey = 0xFFFEFF;
constexpr QRgb kFaceKey = 0xF7F7F7;

QRgb rgbAt(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

void setRgb(QImage& image, int x, int y, QRgb rgb)
{
    image.setPixel(x, y, 0xFF000000u | rgb);
}

// Moves every pixel of colour `key` to `instead`, so that only the pixels
// set afterwards are transparent.
void avoid(QImage& image, QRgb key, QRgb instead)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (rgbAt(image, x, y) == key)
                setRgb(image, x, y, instead);
}

// A small fixed pseudo-random sequence, so every run writes the same files.
class Sequence {
public:
    explicit Sequence(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }

private:
    std::uint32_t state_;
};

}  // namespace

int countColour(const QImage& image, QRgb rgb)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += rgbAt(image, x, y) == rgb;
    return n;
}

void finishHand(QImage& image)
{
    avoid(image, kHandKey, 0x9C9B9B);
    const int bottom = image.height() - 1;
    for (int x = 0; x < 38; ++x)
        setRgb(image, x, bottom, kHandKey);
    // The tip of the middle finger, drawn into the third row.
    setRgb(image, 55, 2, kHandKey);
    setRgb(image, 56, 2, kHandKey);
}

void finishEye(QImage& image)
{
    avoid(image, kEyeKey, 0xFFFDFF);
    // The pixels nearest the bottom-left corner, the centre of the glare,
    // ties broken by row and column so the patch is the same on every run.
    struct Near {
        int distance, x, y;
    };
    std::vector<Near> near;
    const int bottom = image.height() - 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            near.push_back({x * x + (bottom - y) * (bottom - y), x, y});
    std::ranges::sort(near, [](const Near& a, const Near& b) {
        return std::tie(a.distance, a.y, a.x) < std::tie(b.distance, b.y, b.x);
    });
    for (int i = 0; i < 274; ++i)
        setRgb(image, near[static_cast<std::size_t>(i)].x, near[static_cast<std::size_t>(i)].y, kEyeKey);
}

void finishFace(QImage& image)
{
    // Paper tones around F7F7F7, never exactly it; ink keeps its render.
    constexpr QRgb kPaper[] = {0xF6F6F6, 0xF8F8F8, 0xF7F7F6, 0xF6F7F7, 0xF8F7F7, 0xF7F8F8, 0xF9F9F9, 0xF5F5F5};
    Sequence random(0x5EED1234u);
    const int w = image.width();
    const int h = image.height();
    std::vector<std::pair<int, int>> paper;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb c = rgbAt(image, x, y);
            const int grey = (qRed(c) * 30 + qGreen(c) * 59 + qBlue(c) * 11) / 100;
            const QRgb tone = kPaper[random.below(8)];
            if (grey >= 0xF0) {
                setRgb(image, x, y, tone);
                paper.emplace_back(x, y);
            } else {
                // Ink on paper: no brighter than the paper beneath it.
                const int v = std::min(grey, 0xF5);
                setRgb(image, x, y, qRgb(v, v, v));
            }
        }
    }
    auto edge = [w, h](int x, int y) { return y < 5 || y >= h - 3 || x < 2; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (edge(x, y))
                setRgb(image, x, y, kFaceKey);
    // Single pixels of the exact key, none touching another one or the edge band.
    int placed = 0;
    auto isKey = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && rgbAt(image, x, y) == kFaceKey; };
    while (placed < 506) {
        const auto [x, y] = paper[static_cast<std::size_t>(random.below(static_cast<int>(paper.size())))];
        if (edge(x, y))
            continue;
        bool alone = true;
        for (int dy = -1; dy <= 1 && alone; ++dy)
            for (int dx = -1; dx <= 1 && alone; ++dx)
                alone = !isKey(x + dx, y + dy);
        if (!alone)
            continue;
        setRgb(image, x, y, kFaceKey);
        ++placed;
    }
}

}  // namespace tcm::tools
