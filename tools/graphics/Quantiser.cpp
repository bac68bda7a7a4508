// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "Quantiser.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace art {
namespace {

constexpr int maxColours = 256;
constexpr int maxReserved = 128;
// The eye is most sensitive to green and least to blue.
constexpr std::array<int, 3> weight = {2, 4, 3};

struct Entry {
    std::array<int, 3> c;
    int count;
};

int channel(QRgb rgb, int axis) {
    return axis == 0 ? qRed(rgb) : axis == 1 ? qGreen(rgb) : qBlue(rgb);
}

int distance(const std::array<int, 3>& c, QRgb p) {
    int sum = 0;
    for (int a = 0; a < 3; ++a) {
        const int d = c[a] - channel(p, a);
        sum += weight[a] * d * d;
    }
    return sum;
}

int nearest(const std::array<int, 3>& c, const QList<QRgb>& palette) {
    int best = 0;
    int bestDistance = distance(c, palette[0]);
    for (int i = 1; i < palette.size() && bestDistance > 0; ++i) {
        const int d = distance(c, palette[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

QRgb pack(const std::array<int, 3>& c) {
    return qRgb(c[0], c[1], c[2]);
}

struct Box {
    int begin;
    int end;
    double error;
};

struct Sums {
    double n = 0;
    std::array<double, 3> s{};
    std::array<double, 3> q{};

    void add(const Entry& e) {
        n += e.count;
        for (int a = 0; a < 3; ++a) {
            s[a] += double(e.c[a]) * e.count;
            q[a] += double(e.c[a]) * e.c[a] * e.count;
        }
    }
    double axisError(int a) const { return n > 0 ? weight[a] * (q[a] - s[a] * s[a] / n) : 0; }
    double error() const { return axisError(0) + axisError(1) + axisError(2); }
    QRgb mean() const { return qRgb(qRound(s[0] / n), qRound(s[1] / n), qRound(s[2] / n)); }
};

Sums sumsOf(const std::vector<Entry>& entries, int begin, int end) {
    Sums sums;
    for (int i = begin; i < end; ++i)
        sums.add(entries[i]);
    return sums;
}

// Splits the box along its widest axis where the two halves together err least.
std::pair<Box, Box> split(std::vector<Entry>& entries, const Box& box) {
    const Sums all = sumsOf(entries, box.begin, box.end);
    int axis = 0;
    for (int a = 1; a < 3; ++a) {
        if (all.axisError(a) > all.axisError(axis)) axis = a;
    }
    std::sort(entries.begin() + box.begin, entries.begin() + box.end,
              [axis](const Entry& x, const Entry& y) {
                  if (x.c[axis] != y.c[axis]) return x.c[axis] < y.c[axis];
                  return x.c < y.c;
              });
    Sums left;
    int cut = box.begin + 1;
    double best = -1;
    for (int i = box.begin + 1; i < box.end; ++i) {
        left.add(entries[i - 1]);
        if (entries[i].c[axis] == entries[i - 1].c[axis]) continue;
        Sums right = all;
        right.n -= left.n;
        for (int a = 0; a < 3; ++a) {
            right.s[a] -= left.s[a];
            right.q[a] -= left.q[a];
        }
        const double e = left.error() + right.error();
        if (best < 0 || e < best) {
            best = e;
            cut = i;
        }
    }
    return {Box{box.begin, cut, sumsOf(entries, box.begin, cut).error()},
            Box{cut, box.end, sumsOf(entries, cut, box.end).error()}};
}

QList<QRgb> medianCut(std::vector<Entry>& entries, int budget) {
    std::vector<Box> boxes;
    if (!entries.empty())
        boxes.push_back({0, int(entries.size()), sumsOf(entries, 0, int(entries.size())).error()});
    while (int(boxes.size()) < budget) {
        int widest = -1;
        for (int i = 0; i < int(boxes.size()); ++i) {
            const Box& b = boxes[i];
            if (b.end - b.begin > 1 && b.error > 0 && (widest < 0 || b.error > boxes[widest].error))
                widest = i;
        }
        if (widest < 0) break;
        auto [a, b] = split(entries, boxes[widest]);
        boxes[widest] = a;
        boxes.push_back(b);
    }
    QList<QRgb> means;
    for (const Box& b : boxes)
        means.push_back(sumsOf(entries, b.begin, b.end).mean());
    return means;
}

// A few rounds of moving each shared colour to the middle of the colours it stands for.
void refine(const std::vector<Entry>& entries, QList<QRgb>& palette, int fixed) {
    for (int round = 0; round < 2; ++round) {
        std::vector<Sums> groups(palette.size());
        for (const Entry& e : entries)
            groups[nearest(e.c, palette)].add(e);
        for (int i = fixed; i < palette.size(); ++i) {
            if (groups[i].n > 0) palette[i] = groups[i].mean();
        }
    }
}

QList<QRgb> choosePalette(const std::unordered_map<QRgb, int>& histogram, int total) {
    std::vector<Entry> entries;
    entries.reserve(histogram.size());
    for (const auto& [rgb, count] : histogram)
        entries.push_back({{qRed(rgb), qGreen(rgb), qBlue(rgb)}, count});
    std::sort(entries.begin(), entries.end(), [](const Entry& x, const Entry& y) {
        if (x.count != y.count) return x.count > y.count;
        return x.c < y.c;
    });

    QList<QRgb> palette;
    if (int(entries.size()) <= maxColours) {
        for (const Entry& e : entries)
            palette.push_back(pack(e.c));
    } else {
        std::vector<Entry> rest;
        for (const Entry& e : entries) {
            if (palette.size() < maxReserved && e.count * maxColours >= total)
                palette.push_back(pack(e.c));
            else
                rest.push_back(e);
        }
        const int fixed = int(palette.size());
        palette += medianCut(rest, maxColours - fixed);
        refine(entries, palette, fixed);
    }
    std::sort(palette.begin(), palette.end());
    palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
    return palette;
}

} // namespace

IndexedPicture quantise(const QImage& image, Dither dither) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    IndexedPicture out;
    out.width = rgb.width();
    out.height = rgb.height();

    std::unordered_map<QRgb, int> histogram;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++histogram[line[x] & 0xffffff];
    }
    out.palette = choosePalette(histogram, out.width * out.height);
    const bool exact = int(histogram.size()) <= maxColours;

    std::unordered_map<QRgb, uint8_t> cache;
    auto indexOf = [&](const std::array<int, 3>& c) {
        const QRgb key = pack(c) & 0xffffff;
        auto it = cache.find(key);
        if (it == cache.end()) it = cache.emplace(key, uint8_t(nearest(c, out.palette))).first;
        return it->second;
    };

    out.pixels.resize(size_t(out.width) * size_t(out.height));
    const bool diffuse = dither == Dither::FloydSteinberg && !exact;
    // Errors in sixteenths, one row ahead, with a spare column on either side.
    std::vector<std::array<int, 3>> here(out.width + 2), below(out.width + 2);
    for (int y = 0; y < out.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        std::fill(below.begin(), below.end(), std::array<int, 3>{});
        for (int x = 0; x < out.width; ++x) {
            std::array<int, 3> c{qRed(line[x]), qGreen(line[x]), qBlue(line[x])};
            if (diffuse) {
                for (int a = 0; a < 3; ++a)
                    c[a] = std::clamp(c[a] + here[x + 1][a] / 16, 0, 255);
            }
            const uint8_t index = indexOf(c);
            out.pixels[size_t(y) * size_t(out.width) + size_t(x)] = index;
            if (!diffuse) continue;
            for (int a = 0; a < 3; ++a) {
                const int error = c[a] - channel(out.palette[index], a);
                here[x + 2][a] += error * 7;
                below[x][a] += error * 3;
                below[x + 1][a] += error * 5;
                below[x + 2][a] += error;
            }
        }
        std::swap(here, below);
    }
    return out;
}

} // namespace art
