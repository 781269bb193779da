// Writes a Windows icon file (.ico) of one of the programs' pictures in the
// sizes and colour depths asked for: make_icon OUT.ico id-card 48x4 32x4 ...
// (size x bits per pixel; 4 and 8 bits use a palette, 24 bits do not).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Rgb {
    uint8_t r, g, b;
};

struct Pixel {
    Rgb colour;
    bool opaque;
};

// An ID card, on a unit square: a blue card with a photo and text lines.
Pixel IdCard(double x, double y) {
    const double left = 0.04, right = 0.96, top = 0.18, bottom = 0.82, radius = 0.08;
    auto insideRounded = [&](double px, double py) {
        double cx = std::fmin(std::fmax(px, left + radius), right - radius);
        double cy = std::fmin(std::fmax(py, top + radius), bottom - radius);
        return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= radius * radius;
    };
    if (!insideRounded(x, y)) return {{0, 0, 0}, false};
    bool border = !insideRounded(x - 0.05, y) || !insideRounded(x + 0.05, y) ||
                  !insideRounded(x, y - 0.05) || !insideRounded(x, y + 0.05);
    if (border) return {{0, 0, 128}, true};
    if (y < top + 0.14) return {{0, 0, 255}, true};  // the card's header band
    // The photo: a head and shoulders on white.
    if (x > 0.12 && x < 0.44 && y > 0.38 && y < 0.74) {
        double hx = x - 0.28, hy = y - 0.50;
        if (hx * hx + hy * hy < 0.07 * 0.07) return {{128, 64, 0}, true};
        double sx = (x - 0.28) / 0.14, sy = (y - 0.74) / 0.14;
        if (sx * sx + sy * sy < 1.0) return {{128, 64, 0}, true};
        return {{255, 255, 255}, true};
    }
    // Three lines of text.
    for (double line : {0.44, 0.56, 0.68})
        if (x > 0.52 && x < 0.88 && std::fabs(y - line) < 0.03) return {{0, 0, 0}, true};
    return {{192, 220, 255}, true};
}

// A radio mast, on a unit square: a grey mast sending blue waves both ways.
Pixel RadioMast(double x, double y) {
    const double cx = 0.5, top = 0.30;
    // The mast: a narrow triangle from its tip down to a wide foot.
    double halfWidth = 0.03 + (y - top) * 0.22;
    if (y > top && y < 0.94 && std::fabs(x - cx) < halfWidth) {
        bool edge = std::fabs(x - cx) > halfWidth - 0.06;
        return {edge ? Rgb{64, 64, 64} : Rgb{192, 192, 192}, true};
    }
    // The tip, and two arcs of waves either side of it.
    double dx = x - cx, dy = y - top;
    double r = std::sqrt(dx * dx + dy * dy);
    if (r < 0.07) return {{255, 0, 0}, true};
    bool sideways = std::fabs(dx) > std::fabs(dy) * 0.9;
    for (double ring : {0.17, 0.29, 0.41})
        if (sideways && std::fabs(r - ring) < 0.04) return {{0, 0, 255}, true};
    return {{0, 0, 0}, false};
}

using PictureFn = Pixel (*)(double, double);

PictureFn PictureNamed(const std::string& name) {
    if (name == "id-card") return &IdCard;
    if (name == "radio-mast") return &RadioMast;
    return nullptr;
}

std::vector<Rgb> Palette(int bits) {
    std::vector<Rgb> p;
    if (bits == 4) {
        // The standard 16-colour palette.
        p = {{0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
             {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
             {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    } else {
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b)
                    p.push_back({uint8_t(r * 51), uint8_t(g * 51), uint8_t(b * 51)});
        for (int i = 0; p.size() < 256; ++i) p.push_back({uint8_t(i * 6), uint8_t(i * 6), uint8_t(i * 6)});
    }
    return p;
}

int Nearest(const std::vector<Rgb>& palette, Rgb c) {
    int best = 0;
    long bestDistance = -1;
    for (size_t i = 0; i < palette.size(); ++i) {
        long dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
        long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = d;
        }
    }
    return best;
}

void Put16(std::vector<uint8_t>& out, unsigned v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// One image as an icon resource holds it: a BITMAPINFOHEADER of double
// height, the palette, the colour rows and the transparency mask, bottom up.
std::vector<uint8_t> Image(PictureFn Picture, int size, int bits) {
    std::vector<Rgb> palette = bits <= 8 ? Palette(bits) : std::vector<Rgb>();
    size_t xorStride = ((size * bits + 31) / 32) * 4;
    size_t andStride = ((size + 31) / 32) * 4;
    std::vector<uint8_t> xorBits(xorStride * size), andBits(andStride * size);
    for (int row = 0; row < size; ++row) {
        int y = size - 1 - row;  // bottom-up
        for (int x = 0; x < size; ++x) {
            Pixel p = Picture((x + 0.5) / size, (y + 0.5) / size);
            Rgb c = p.opaque ? p.colour : Rgb{0, 0, 0};
            uint8_t* line = &xorBits[row * xorStride];
            if (bits == 4) {
                int index = Nearest(palette, c);
                line[x / 2] |= (x % 2 == 0) ? index << 4 : index;
            } else if (bits == 8) {
                line[x] = static_cast<uint8_t>(Nearest(palette, c));
            } else {
                line[x * 3] = c.b;
                line[x * 3 + 1] = c.g;
                line[x * 3 + 2] = c.r;
            }
            if (!p.opaque) andBits[row * andStride + x / 8] |= 0x80 >> (x % 8);
        }
    }
    std::vector<uint8_t> out;
    Put32(out, 40);
    Put32(out, size);
    Put32(out, size * 2);
    Put16(out, 1);
    Put16(out, bits);
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(xorBits.size() + andBits.size()));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, bits <= 8 ? static_cast<uint32_t>(palette.size()) : 0);
    Put32(out, 0);
    for (Rgb c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    out.insert(out.end(), xorBits.begin(), xorBits.end());
    out.insert(out.end(), andBits.begin(), andBits.end());
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: make_icon OUT.ico id-card|radio-mast SIZExBITS...\n");
        return 2;
    }
    PictureFn picture = PictureNamed(argv[2]);
    if (!picture) {
        std::fprintf(stderr, "make_icon: no picture \"%s\" (id-card or radio-mast)\n", argv[2]);
        return 2;
    }
    std::vector<std::pair<int, int>> formats;
    for (int i = 3; i < argc; ++i) {
        int size = 0, bits = 0;
        if (std::sscanf(argv[i], "%dx%d", &size, &bits) != 2 || size < 1 || size > 255 ||
            (bits != 4 && bits != 8 && bits != 24)) {
            std::fprintf(stderr, "make_icon: bad format \"%s\" (want SIZExBITS, bits 4, 8 or 24)\n", argv[i]);
            return 2;
        }
        formats.emplace_back(size, bits);
    }
    std::vector<std::vector<uint8_t>> images;
    for (auto [size, bits] : formats) images.push_back(Image(picture, size, bits));

    std::vector<uint8_t> file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, static_cast<unsigned>(formats.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(formats.size());
    for (size_t i = 0; i < formats.size(); ++i) {
        auto [size, bits] = formats[i];
        file.push_back(static_cast<uint8_t>(size));
        file.push_back(static_cast<uint8_t>(size));
        file.push_back(bits == 4 ? 16 : 0);
        file.push_back(0);
        Put16(file, 1);
        Put16(file, bits);
        Put32(file, static_cast<uint32_t>(images[i].size()));
        Put32(file, offset);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());

    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(file.data(), 1, file.size(), out) != file.size() || std::fclose(out) != 0) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
