#include "quant/PaletteQuantizer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>

#include "quant/ErrorDiffusionDitherer.h"

namespace orb::art {

namespace {

using Vec3 = std::array<double, 3>;

// One occupied cell of the histogram: the mean colour of its pixels in the
// scaled space, and how many pixels fell into it.
struct Bin {
    Vec3 c;
    double weight;
};

// Weighted sums over a run of bins, enough to give the run's mean and its
// squared error about that mean.
struct Moments {
    double w = 0.0;
    Vec3 s{};
    double s2 = 0.0;

    void Add(const Bin& b) {
        w += b.weight;
        for (std::size_t k = 0; k < 3; ++k) {
            s[k] += b.weight * b.c[k];
            s2 += b.weight * b.c[k] * b.c[k];
        }
    }
    double Error() const {
        if (w <= 0.0) {
            return 0.0;
        }
        return s2 - (s[0] * s[0] + s[1] * s[1] + s[2] * s[2]) / w;
    }
    Moments Minus(const Moments& o) const {
        Moments m;
        m.w = w - o.w;
        for (std::size_t k = 0; k < 3; ++k) {
            m.s[k] = s[k] - o.s[k];
        }
        m.s2 = s2 - o.s2;
        return m;
    }
};

// The bins [begin, end) and their sums.
struct Box {
    int begin;
    int end;
    Moments m;
};

using BinIter = std::vector<Bin>::iterator;

BinIter At(std::vector<Bin>& bins, int i) {
    return bins.begin() + i;
}

Moments Measure(const std::vector<Bin>& bins, int begin, int end) {
    Moments m;
    for (int i = begin; i < end; ++i) {
        m.Add(bins[static_cast<std::size_t>(i)]);
    }
    return m;
}

// ---- SplitRule::kLeastError

// Splits the box along its axis of greatest variance at the point that
// leaves the least total error. Returns the split index, or -1 if none.
int SplitLeastError(std::vector<Bin>& bins, const Box& box) {
    std::size_t axis = 0;
    double best = -1.0;
    for (std::size_t k = 0; k < 3; ++k) {
        double s = 0.0;
        double s2 = 0.0;
        for (int i = box.begin; i < box.end; ++i) {
            const Bin& b = bins[static_cast<std::size_t>(i)];
            s += b.weight * b.c[k];
            s2 += b.weight * b.c[k] * b.c[k];
        }
        const double var = s2 - s * s / box.m.w;
        if (var > best) {
            best = var;
            axis = k;
        }
    }
    const std::size_t a1 = (axis + 1) % 3;
    const std::size_t a2 = (axis + 2) % 3;
    std::sort(At(bins, box.begin), At(bins, box.end), [&](const Bin& x, const Bin& y) {
        if (x.c[axis] != y.c[axis]) {
            return x.c[axis] < y.c[axis];
        }
        if (x.c[a1] != y.c[a1]) {
            return x.c[a1] < y.c[a1];
        }
        return x.c[a2] < y.c[a2];
    });
    Moments left;
    double bestError = 0.0;
    int bestSplit = -1;
    for (int i = box.begin; i < box.end - 1; ++i) {
        left.Add(bins[static_cast<std::size_t>(i)]);
        const double e = left.Error() + box.m.Minus(left).Error();
        if (bestSplit < 0 || e < bestError) {
            bestError = e;
            bestSplit = i + 1;
        }
    }
    return bestSplit;
}

// ---- SplitRule::kMedianPixel

// The axis with the widest range of values in the box; the first on a tie.
std::size_t WidestAxis(const std::vector<Bin>& bins, const Box& box, double* range) {
    std::size_t best = 0;
    *range = -1.0;
    for (std::size_t k = 0; k < 3; ++k) {
        double lo = std::numeric_limits<double>::max();
        double hi = std::numeric_limits<double>::lowest();
        for (int i = box.begin; i < box.end; ++i) {
            lo = std::min(lo, bins[static_cast<std::size_t>(i)].c[k]);
            hi = std::max(hi, bins[static_cast<std::size_t>(i)].c[k]);
        }
        if (hi - lo > *range) {
            *range = hi - lo;
            best = k;
        }
    }
    return best;
}

double MedianPixelScore(const std::vector<Bin>& bins, const Box& box) {
    double range = 0.0;
    WidestAxis(bins, box, &range);
    return range * std::sqrt(box.m.w);
}

// Sorts the box along its widest axis (then red, green, blue) and cuts it
// after the bin that reaches half of its pixels.
int SplitMedianPixel(std::vector<Bin>& bins, const Box& box) {
    double range = 0.0;
    const std::size_t axis = WidestAxis(bins, box, &range);
    std::sort(At(bins, box.begin), At(bins, box.end), [axis](const Bin& x, const Bin& y) {
        return x.c[axis] != y.c[axis] ? x.c[axis] < y.c[axis] : x.c < y.c;
    });
    const double half = std::floor(box.m.w / 2.0);
    double seen = 0.0;
    int cut = box.begin + 1;
    for (int i = box.begin; i + 1 < box.end; ++i) {
        seen += bins[static_cast<std::size_t>(i)].weight;
        cut = i + 1;
        if (seen >= half) {
            break;
        }
    }
    return cut;
}

// ---- The shared steps

// Splits the bins into up to `count` boxes; returns their mean colours.
std::vector<Vec3> MedianCut(std::vector<Bin>& bins, int count, SplitRule rule) {
    std::vector<Vec3> centres;
    if (bins.empty()) {
        return centres;
    }
    const int size = static_cast<int>(bins.size());
    std::vector<Box> boxes;
    boxes.push_back({0, size, Measure(bins, 0, size)});
    while (static_cast<int>(boxes.size()) < count) {
        int pick = -1;
        double best = 0.0;
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            const Box& b = boxes[static_cast<std::size_t>(i)];
            if (b.end - b.begin < 2) {
                continue;
            }
            const double score =
                rule == SplitRule::kLeastError ? b.m.Error() : MedianPixelScore(bins, b);
            if (score > best) {
                best = score;
                pick = i;
            }
        }
        if (pick < 0) {
            break;
        }
        const Box box = boxes[static_cast<std::size_t>(pick)];
        const int split = rule == SplitRule::kLeastError ? SplitLeastError(bins, box)
                                                         : SplitMedianPixel(bins, box);
        if (split < 0) {
            break;
        }
        const Moments left = Measure(bins, box.begin, split);
        boxes[static_cast<std::size_t>(pick)] = {box.begin, split, left};
        boxes.push_back({split, box.end, box.m.Minus(left)});
    }
    for (const Box& b : boxes) {
        centres.push_back({b.m.s[0] / b.m.w, b.m.s[1] / b.m.w, b.m.s[2] / b.m.w});
    }
    return centres;
}

int Nearest(const std::vector<Vec3>& centres, const Vec3& c, const Vec3& weight) {
    int best = 0;
    double bestD = 0.0;
    for (int i = 0; i < static_cast<int>(centres.size()); ++i) {
        const auto& p = centres[static_cast<std::size_t>(i)];
        const double dr = p[0] - c[0];
        const double dg = p[1] - c[1];
        const double db = p[2] - c[2];
        const double d = weight[0] * dr * dr + weight[1] * dg * dg + weight[2] * db * db;
        if (i == 0 || d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return best;
}

int ToByte(double v, double scale) {
    return std::clamp(static_cast<int>(std::lround(v / scale)), 0, 255);
}

Vec3 Coordinates(QRgb c, const ColorSpace& space) {
    return {qRed(c) * space.scale[0], qGreen(c) * space.scale[1], qBlue(c) * space.scale[2]};
}

QRgb ToRgb(const Vec3& c, const ColorSpace& space) {
    return qRgb(ToByte(c[0], space.scale[0]), ToByte(c[1], space.scale[1]),
                ToByte(c[2], space.scale[2]));
}

// Moves a centre onto the nearest whole channel levels.
void Snap(Vec3& c, const ColorSpace& space) {
    for (std::size_t k = 0; k < 3; ++k) {
        c[k] = ToByte(c[k], space.scale[k]) * space.scale[k];
    }
}

// Lloyd iterations over the bins: each bin moves to its nearest centre and
// each centre from `firstFree` on to the mean of its bins. Centres left
// without bins keep their place.
void Refine(const std::vector<Bin>& bins, std::vector<Vec3>& centres, std::size_t firstFree,
            const QuantizeOptions& options) {
    for (int pass = 0; pass < options.refinePasses; ++pass) {
        std::vector<Moments> acc(centres.size());
        for (const Bin& b : bins) {
            acc[static_cast<std::size_t>(Nearest(centres, b.c, options.space.weight))].Add(b);
        }
        double moved = 0.0;
        for (std::size_t i = firstFree; i < centres.size(); ++i) {
            if (acc[i].w <= 0.0) {
                continue;
            }
            Vec3 next = {acc[i].s[0] / acc[i].w, acc[i].s[1] / acc[i].w, acc[i].s[2] / acc[i].w};
            if (options.wholeLevels) {
                Snap(next, options.space);
            }
            for (std::size_t k = 0; k < 3; ++k) {
                moved = std::max(moved, std::fabs(next[k] - centres[i][k]));
                centres[i][k] = next[k];
            }
        }
        if (moved < 0.05) {
            break;
        }
    }
}

// The distinct colours of a picture (alpha dropped), ascending, with how
// many pixels have each.
struct Histogram {
    std::vector<QRgb> colors;
    std::vector<double> counts;
};

Histogram Count(const QImage& image) {
    std::vector<QRgb> all;
    all.reserve(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            all.push_back(line[x] & 0xFFFFFFu);
        }
    }
    std::sort(all.begin(), all.end());
    Histogram h;
    for (std::size_t i = 0; i < all.size();) {
        std::size_t j = i;
        while (j < all.size() && all[j] == all[i]) {
            ++j;
        }
        h.colors.push_back(all[i]);
        h.counts.push_back(static_cast<double>(j - i));
        i = j;
    }
    return h;
}

// Up to this many distinct colours are clustered individually.
constexpr std::size_t kExactLimit = 20000;

// The bins of the colours not pinned: one per colour when there are few
// enough (a coarse histogram would merge the steps of smooth ramps and waste
// entries), else a histogram with 6 bits per channel whose cells remember
// the true mean of their pixels, so the fine colour is not lost to the cell
// size.
std::vector<Bin> MakeBins(const std::vector<QRgb>& colors, const std::vector<double>& counts,
                          const ColorSpace& space) {
    std::vector<Bin> bins;
    if (colors.size() <= kExactLimit) {
        for (std::size_t i = 0; i < colors.size(); ++i) {
            bins.push_back({Coordinates(colors[i], space), counts[i]});
        }
        return bins;
    }
    constexpr int kCells = 64 * 64 * 64;
    std::vector<std::array<double, 4>> cells(kCells, {0.0, 0.0, 0.0, 0.0});
    for (std::size_t i = 0; i < colors.size(); ++i) {
        const int r = qRed(colors[i]);
        const int g = qGreen(colors[i]);
        const int b = qBlue(colors[i]);
        auto& cell = cells[static_cast<std::size_t>(((r >> 2) << 12) | ((g >> 2) << 6) | (b >> 2))];
        cell[0] += r * counts[i];
        cell[1] += g * counts[i];
        cell[2] += b * counts[i];
        cell[3] += counts[i];
    }
    for (const auto& cell : cells) {
        if (cell[3] > 0.0) {
            bins.push_back({{cell[0] / cell[3] * space.scale[0], cell[1] / cell[3] * space.scale[1],
                             cell[2] / cell[3] * space.scale[2]},
                            cell[3]});
        }
    }
    return bins;
}

// Every pixel to its nearest entry, without dithering.
IndexedImage MapToNearest(const QImage& image, const std::vector<QRgb>& palette,
                          const ColorSpace& space) {
    std::vector<Vec3> centres;
    centres.reserve(palette.size());
    for (QRgb c : palette) {
        centres.push_back(Coordinates(c, space));
    }
    std::map<QRgb, std::uint8_t> lookup;
    std::vector<std::uint8_t> pixels;
    pixels.reserve(static_cast<std::size_t>(image.width()) *
                   static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x] & 0xFFFFFFu;
            auto it = lookup.find(c);
            if (it == lookup.end()) {
                const int index = Nearest(centres, Coordinates(c, space), space.weight);
                it = lookup.emplace(c, static_cast<std::uint8_t>(index)).first;
            }
            pixels.push_back(it->second);
        }
    }
    return IndexedImage(image.width(), image.height(), std::move(pixels), palette);
}

}  // namespace

QuantizeOptions QuantizeOptions::ForScenes() {
    return QuantizeOptions{};
}

QuantizeOptions QuantizeOptions::ForBitmaps(int colors) {
    QuantizeOptions o;
    o.maxColors = colors;
    o.dither = false;
    o.pinOneIn = 50;
    o.split = SplitRule::kMedianPixel;
    o.space = ColorSpace::WeightedDistance();
    o.wholeLevels = true;
    o.refinePasses = 4;
    o.compact = false;
    return o;
}

PaletteQuantizer::PaletteQuantizer(QuantizeOptions options) : m_options(options) {
    m_options.maxColors = std::clamp(m_options.maxColors, 1, 256);
}

PaletteQuantizer::PaletteQuantizer(int maxColors)
    : PaletteQuantizer([maxColors] {
          QuantizeOptions o = QuantizeOptions::ForScenes();
          o.maxColors = maxColors;
          return o;
      }()) {}

std::vector<QRgb> PaletteQuantizer::BuildPalette(const QImage& source) const {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const Histogram histogram = Count(image);
    const int maxColors = m_options.maxColors;
    if (static_cast<int>(histogram.colors.size()) <= maxColors) {
        std::vector<QRgb> palette = histogram.colors;
        for (QRgb& c : palette) {
            c |= 0xFF000000u;
        }
        return palette;
    }
    const ColorSpace& space = m_options.space;
    // Flat fills keep their exact colour; everything else is clustered.
    const double total = static_cast<double>(image.width()) * image.height();
    std::vector<Vec3> centres;
    std::vector<QRgb> rest;
    std::vector<double> restCounts;
    for (std::size_t i = 0; i < histogram.colors.size(); ++i) {
        const double count = histogram.counts[i];
        if (m_options.pinOneIn > 0 && count * m_options.pinOneIn >= total &&
            static_cast<int>(centres.size()) < maxColors / 4) {
            centres.push_back(Coordinates(histogram.colors[i], space));
        } else {
            rest.push_back(histogram.colors[i]);
            restCounts.push_back(count);
        }
    }
    const std::size_t pinned = centres.size();
    const std::vector<Bin> bins = MakeBins(rest, restCounts, space);
    // Work on a copy: the cut reorders its input, the refinement wants the
    // bins as they are.
    std::vector<Bin> work = bins;
    for (Vec3 c : MedianCut(work, maxColors - static_cast<int>(pinned), m_options.split)) {
        if (m_options.wholeLevels) {
            Snap(c, space);
        }
        centres.push_back(c);
    }
    Refine(bins, centres, pinned, m_options);

    std::vector<QRgb> palette;
    palette.reserve(centres.size());
    for (const auto& c : centres) {
        palette.push_back(ToRgb(c, space));
    }
    if (m_options.compact) {
        std::sort(palette.begin(), palette.end());
        palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
    }
    return palette;
}

IndexedImage PaletteQuantizer::Reduce(const QImage& source) const {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const std::vector<QRgb> palette = BuildPalette(image);
    IndexedImage indexed = m_options.dither
                               ? ErrorDiffusionDitherer(1.0f, m_options.space).Apply(image, palette)
                               : MapToNearest(image, palette, m_options.space);
    if (m_options.compact) {
        indexed.Compact();
    }
    return indexed;
}

}  // namespace orb::art
