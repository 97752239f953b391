#include "PaletteReducer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace orb::art {
namespace {

struct ColourCount {
    QRgb rgb;
    long count;
};

int Channel(QRgb c, int channel) {
    return channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c);
}

long Distance(QRgb a, QRgb b) {
    // Green weighs most, blue least, roughly as the eye does.
    const long dr = qRed(a) - qRed(b);
    const long dg = qGreen(a) - qGreen(b);
    const long db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

struct Box {
    std::vector<ColourCount> colours;

    int WidestChannel(int* range) const {
        int best = 0;
        *range = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255;
            int hi = 0;
            for (const auto& c : colours) {
                lo = std::min(lo, Channel(c.rgb, ch));
                hi = std::max(hi, Channel(c.rgb, ch));
            }
            if (hi - lo > *range) {
                *range = hi - lo;
                best = ch;
            }
        }
        return best;
    }

    long Population() const {
        long n = 0;
        for (const auto& c : colours) {
            n += c.count;
        }
        return n;
    }

    QRgb Mean() const {
        double r = 0;
        double g = 0;
        double b = 0;
        const double n = static_cast<double>(Population());
        for (const auto& c : colours) {
            r += qRed(c.rgb) * static_cast<double>(c.count);
            g += qGreen(c.rgb) * static_cast<double>(c.count);
            b += qBlue(c.rgb) * static_cast<double>(c.count);
        }
        return qRgb(static_cast<int>(r / n + 0.5), static_cast<int>(g / n + 0.5),
                    static_cast<int>(b / n + 0.5));
    }
};

std::vector<QRgb> MedianCut(std::vector<ColourCount> colours, int wanted) {
    std::vector<Box> boxes;
    boxes.push_back(Box{std::move(colours)});
    while (static_cast<int>(boxes.size()) < wanted) {
        // Split the box whose spread, weighted by its pixels, is largest.
        int pick = -1;
        double bestScore = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].colours.size() < 2) {
                continue;
            }
            int range = 0;
            boxes[i].WidestChannel(&range);
            const double score =
                static_cast<double>(range) * std::sqrt(static_cast<double>(boxes[i].Population()));
            if (score > bestScore) {
                bestScore = score;
                pick = static_cast<int>(i);
            }
        }
        if (pick < 0) {
            break;
        }
        Box& box = boxes[static_cast<std::size_t>(pick)];
        int range = 0;
        const int ch = box.WidestChannel(&range);
        std::sort(box.colours.begin(), box.colours.end(),
                  [ch](const ColourCount& a, const ColourCount& b) {
                      const int ca = Channel(a.rgb, ch);
                      const int cb = Channel(b.rgb, ch);
                      return ca != cb ? ca < cb : a.rgb < b.rgb;
                  });
        const long half = box.Population() / 2;
        long seen = 0;
        std::size_t cut = 1;
        for (std::size_t i = 0; i + 1 < box.colours.size(); ++i) {
            seen += box.colours[i].count;
            cut = i + 1;
            if (seen >= half) {
                break;
            }
        }
        Box upper{std::vector<ColourCount>(box.colours.begin() + static_cast<long>(cut),
                                           box.colours.end())};
        box.colours.resize(cut);
        boxes.push_back(std::move(upper));
    }
    std::vector<QRgb> palette;
    for (const auto& box : boxes) {
        palette.push_back(box.Mean());
    }
    return palette;
}

std::size_t Nearest(const std::vector<QRgb>& palette, QRgb c) {
    std::size_t best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const long d = Distance(palette[i], c);
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

}  // namespace

IndexedImage PaletteReducer::Reduce(const QImage& source, int maxColours) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, long> histogram;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            ++histogram[line[x] | 0xFF000000u];
        }
    }

    std::vector<QRgb> palette;
    if (static_cast<int>(histogram.size()) <= maxColours) {
        for (const auto& entry : histogram) {
            palette.push_back(entry.first);
        }
    } else {
        // Flat fills (backgrounds, faces) keep their exact colour.
        const long total = static_cast<long>(image.width()) * image.height();
        std::vector<ColourCount> rest;
        for (const auto& entry : histogram) {
            const bool large = entry.second * 50 >= total;
            if (large && static_cast<int>(palette.size()) < maxColours / 4) {
                palette.push_back(entry.first);
            } else {
                rest.push_back({entry.first, entry.second});
            }
        }
        const std::size_t fixedCount = palette.size();
        std::vector<QRgb> cut = MedianCut(rest, maxColours - static_cast<int>(fixedCount));
        palette.insert(palette.end(), cut.begin(), cut.end());

        // A few k-means passes move the free entries to the centres of what
        // maps to them; the fixed ones stay put.
        for (int pass = 0; pass < 4; ++pass) {
            std::vector<std::array<double, 4>> sums(palette.size(), {0, 0, 0, 0});
            for (const auto& c : rest) {
                auto& s = sums[Nearest(palette, c.rgb)];
                const double n = static_cast<double>(c.count);
                s[0] += qRed(c.rgb) * n;
                s[1] += qGreen(c.rgb) * n;
                s[2] += qBlue(c.rgb) * n;
                s[3] += n;
            }
            for (std::size_t i = fixedCount; i < palette.size(); ++i) {
                if (sums[i][3] > 0) {
                    palette[i] = qRgb(static_cast<int>(sums[i][0] / sums[i][3] + 0.5),
                                      static_cast<int>(sums[i][1] / sums[i][3] + 0.5),
                                      static_cast<int>(sums[i][2] / sums[i][3] + 0.5));
                }
            }
        }
    }

    std::map<QRgb, std::uint8_t> lookup;
    for (const auto& entry : histogram) {
        lookup[entry.first] = static_cast<std::uint8_t>(Nearest(palette, entry.first));
    }
    IndexedImage out;
    out.width = image.width();
    out.height = image.height();
    out.palette = palette;
    out.indices.reserve(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out.indices.push_back(lookup[line[x] | 0xFF000000u]);
        }
    }
    return out;
}

}  // namespace orb::art
