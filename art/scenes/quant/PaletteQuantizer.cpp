#include "PaletteQuantizer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "ColorWeights.h"

namespace orb::art {

namespace {

// One occupied cell of the histogram: the mean colour of its pixels in the
// weighted space, and how many pixels fell into it.
struct Bin {
    std::array<double, 3> c;
    double weight;
};

constexpr std::array<double, 3> kScale = {ColorWeights::kRed, ColorWeights::kGreen,
                                          ColorWeights::kBlue};

// Weighted sums over a run of bins, enough to give the run's mean and its
// squared error about that mean.
struct Moments {
    double w = 0.0;
    std::array<double, 3> s{};
    double s2 = 0.0;

    void Add(const Bin& b) {
        w += b.weight;
        for (int k = 0; k < 3; ++k) {
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
        for (int k = 0; k < 3; ++k) {
            m.s[k] = s[k] - o.s[k];
        }
        m.s2 = s2 - o.s2;
        return m;
    }
};

struct Box {
    int begin;
    int end;
    Moments m;
};

Moments Measure(const std::vector<Bin>& bins, int begin, int end) {
    Moments m;
    for (int i = begin; i < end; ++i) {
        m.Add(bins[static_cast<std::size_t>(i)]);
    }
    return m;
}

// Splits box [begin, end) along its widest-spread axis at the point that
// leaves the least total error. Returns the split index, or -1 if none.
int SplitBox(std::vector<Bin>& bins, const Box& box) {
    if (box.end - box.begin < 2) {
        return -1;
    }
    int axis = 0;
    double best = -1.0;
    for (int k = 0; k < 3; ++k) {
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
    const int a1 = (axis + 1) % 3;
    const int a2 = (axis + 2) % 3;
    std::sort(bins.begin() + box.begin, bins.begin() + box.end, [&](const Bin& x, const Bin& y) {
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

std::vector<std::array<double, 3>> MedianCut(std::vector<Bin>& bins, int maxColors) {
    std::vector<Box> boxes;
    boxes.push_back(
        {0, static_cast<int>(bins.size()), Measure(bins, 0, static_cast<int>(bins.size()))});
    while (static_cast<int>(boxes.size()) < maxColors) {
        int pick = -1;
        double worst = 0.0;
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            const Box& b = boxes[static_cast<std::size_t>(i)];
            const double e = b.m.Error();
            if (b.end - b.begin >= 2 && e > worst) {
                worst = e;
                pick = i;
            }
        }
        if (pick < 0) {
            break;
        }
        const Box box = boxes[static_cast<std::size_t>(pick)];
        const int split = SplitBox(bins, box);
        if (split < 0) {
            break;
        }
        const Moments left = Measure(bins, box.begin, split);
        boxes[static_cast<std::size_t>(pick)] = {box.begin, split, left};
        boxes.push_back({split, box.end, box.m.Minus(left)});
    }
    std::vector<std::array<double, 3>> centres;
    for (const Box& b : boxes) {
        centres.push_back({b.m.s[0] / b.m.w, b.m.s[1] / b.m.w, b.m.s[2] / b.m.w});
    }
    return centres;
}

int Nearest(const std::vector<std::array<double, 3>>& centres, const std::array<double, 3>& c) {
    int best = 0;
    double bestD = 0.0;
    for (int i = 0; i < static_cast<int>(centres.size()); ++i) {
        const auto& p = centres[static_cast<std::size_t>(i)];
        const double dr = p[0] - c[0];
        const double dg = p[1] - c[1];
        const double db = p[2] - c[2];
        const double d = dr * dr + dg * dg + db * db;
        if (i == 0 || d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return best;
}

// Lloyd iterations over the histogram cells: each cell moves to its nearest
// centre and each centre to the mean of its cells. Centres left without cells
// keep their place.
void Refine(const std::vector<Bin>& bins, std::vector<std::array<double, 3>>& centres, int passes) {
    for (int pass = 0; pass < passes; ++pass) {
        std::vector<Moments> acc(centres.size());
        for (const Bin& b : bins) {
            acc[static_cast<std::size_t>(Nearest(centres, b.c))].Add(b);
        }
        double moved = 0.0;
        for (std::size_t i = 0; i < centres.size(); ++i) {
            if (acc[i].w <= 0.0) {
                continue;
            }
            for (int k = 0; k < 3; ++k) {
                const double n = acc[i].s[k] / acc[i].w;
                moved = std::max(moved, std::fabs(n - centres[i][k]));
                centres[i][k] = n;
            }
        }
        if (moved < 0.05) {
            break;
        }
    }
}

// Up to this many distinct colours are clustered individually.
constexpr std::size_t kExactLimit = 20000;

Bin MakeBin(double r, double g, double b, double weight) {
    Bin bin;
    bin.c = {r * kScale[0], g * kScale[1], b * kScale[2]};
    bin.weight = weight;
    return bin;
}

int ToByte(double v, double scale) {
    return std::clamp(static_cast<int>(std::lround(v / scale)), 0, 255);
}

}  // namespace

PaletteQuantizer::PaletteQuantizer(int maxColors, int refinePasses)
    : m_maxColors(std::clamp(maxColors, 1, 256)), m_refinePasses(refinePasses) {}

std::vector<QRgb> PaletteQuantizer::BuildPalette(const QImage& source) const {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    std::vector<QRgb> colours;
    colours.reserve(static_cast<std::size_t>(image.width()) *
                    static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            colours.push_back(line[x] & 0xFFFFFFu);
        }
    }
    std::sort(colours.begin(), colours.end());
    std::vector<Bin> bins;
    std::size_t distinct = 0;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        distinct += (i == 0 || colours[i] != colours[i - 1]) ? 1 : 0;
    }
    if (static_cast<int>(distinct) <= m_maxColors) {
        colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
        for (QRgb& c : colours) {
            c |= 0xFF000000u;
        }
        return colours;
    }
    if (distinct <= kExactLimit) {
        // Few enough colours to cluster them one by one; a coarse histogram
        // would merge the steps of smooth ramps and waste palette entries.
        for (std::size_t i = 0; i < colours.size();) {
            std::size_t j = i;
            while (j < colours.size() && colours[j] == colours[i]) {
                ++j;
            }
            bins.push_back(MakeBin(qRed(colours[i]), qGreen(colours[i]), qBlue(colours[i]),
                                   static_cast<double>(j - i)));
            i = j;
        }
    } else {
        // A histogram with 6 bits per channel; each cell remembers the true
        // mean of its pixels, so the fine colour is not lost to the cell size.
        constexpr int kCells = 64 * 64 * 64;
        std::vector<std::array<double, 4>> cells(kCells, {0.0, 0.0, 0.0, 0.0});
        for (QRgb c : colours) {
            const int r = qRed(c);
            const int g = qGreen(c);
            const int b = qBlue(c);
            auto& cell =
                cells[static_cast<std::size_t>(((r >> 2) << 12) | ((g >> 2) << 6) | (b >> 2))];
            cell[0] += r;
            cell[1] += g;
            cell[2] += b;
            cell[3] += 1.0;
        }
        for (const auto& cell : cells) {
            if (cell[3] > 0.0) {
                bins.push_back(
                    MakeBin(cell[0] / cell[3], cell[1] / cell[3], cell[2] / cell[3], cell[3]));
            }
        }
    }
    // Work on a copy: the cut reorders its input, the refinement wants the
    // cells as they are.
    std::vector<Bin> work = bins;
    std::vector<std::array<double, 3>> centres = MedianCut(work, m_maxColors);
    Refine(bins, centres, m_refinePasses);

    std::vector<QRgb> palette;
    for (const auto& c : centres) {
        palette.push_back(
            qRgb(ToByte(c[0], kScale[0]), ToByte(c[1], kScale[1]), ToByte(c[2], kScale[2])));
    }
    std::sort(palette.begin(), palette.end());
    palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
    return palette;
}

}  // namespace orb::art
