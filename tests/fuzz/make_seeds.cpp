// Makes the seed corpus of one harness: the files named on the command line
// (the game's generated assets) as they are and damaged in fixed ways, plus
// small files made here for what the assets do not cover. Deterministic: the
// same inputs give the same seeds.
//
//   fuzz_seeds <wav|ogg|png|font|score|read_line> <out folder> [file...]
#include "tests/fuzz/crc_fixup.h"
#include "tools/vorbis/vorbis_encoder.h"

#include <png.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

fs::path out_dir;
std::string kind;
int written = 0;

void put(const std::string& name, const Bytes& bytes) {
    std::ofstream(out_dir / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    ++written;
}

Bytes text(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

void put_le(Bytes& b, std::size_t at, std::uint32_t v, int n) {
    for (int i = 0; i < n && at + i < b.size(); ++i) b[at + i] = std::uint8_t(v >> (8 * i));
}
void put_be(Bytes& b, std::size_t at, std::uint32_t v, int n) {
    for (int i = 0; i < n && at + i < b.size(); ++i)
        b[at + i] = std::uint8_t(v >> (8 * (n - 1 - i)));
}
void append_le(Bytes& b, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}
void append(Bytes& b, const std::string& s) {
    b.insert(b.end(), s.begin(), s.end());
}

// A small fixed-sequence generator, so the damage is the same every time.
struct Dice {
    std::uint32_t state;
    std::uint32_t next() { return state = state * 1664525u + 1013904223u; }
    std::size_t below(std::size_t n) { return n ? (next() >> 8) % n : 0; }
};

// Container checksums put right again where the format has them, so that
// damage inside reaches the decoder instead of stopping at the container.
void fix_crcs(Bytes& b) {
    if (kind == "ogg") fix_ogg_page_crcs(b.data(), b.size());
    if (kind == "png") fix_png_chunk_crcs(b.data(), b.size());
}

// Damage any format takes: cut short, bytes flipped, runs overwritten.
void damage(const std::string& stem, const Bytes& original, std::uint32_t seed) {
    Dice dice{seed};
    std::size_t n = original.size();
    for (std::size_t cut : {n / 2, n / 4, n * 3 / 4, n ? n - 1 : 0, std::min<std::size_t>(n, 16)})
        put(stem + "-cut" + std::to_string(cut), Bytes(original.begin(), original.begin() + cut));
    for (int v = 0; v < 6 && n > 0; ++v) {
        Bytes b = original;
        int flips = 1 + v % 4;
        // Headers decide most branches: half the flips land in the first 256 bytes.
        for (int f = 0; f < flips; ++f)
            b[f % 2 ? dice.below(std::min<std::size_t>(n, 256)) : dice.below(n)] ^=
                std::uint8_t(1 + dice.below(255));
        if (v % 2) fix_crcs(b);
        put(stem + "-flip" + std::to_string(v), b);
    }
    for (std::uint8_t fill : {0x00, 0xff}) {
        if (n < 64) break;
        Bytes b = original;
        std::size_t at = dice.below(n - 64);
        std::memset(b.data() + at, fill, 64);
        fix_crcs(b);
        put(stem + "-run" + std::to_string(fill), b);
    }
}

// ---- WAV ------------------------------------------------------------------

Bytes make_wav(std::uint32_t tag, std::uint32_t channels, std::uint32_t hertz, std::uint32_t bits,
               std::uint32_t frames, const std::string& extra_chunk = "",
               std::uint32_t fmt_length = 16) {
    Bytes b;
    append(b, "RIFF");
    append_le(b, 0, 4);
    append(b, "WAVEfmt ");
    append_le(b, fmt_length, 4);
    append_le(b, tag, 2);
    append_le(b, channels, 2);
    append_le(b, hertz, 4);
    append_le(b, hertz * channels * bits / 8, 4);
    append_le(b, channels * bits / 8, 2);
    append_le(b, bits, 2);
    for (std::uint32_t i = 16; i < fmt_length && i < 64; ++i) b.push_back(0);
    if (!extra_chunk.empty()) {
        append(b, extra_chunk);
        append_le(b, 5, 4);
        append(b, "abcde");
        b.push_back(0); // odd chunks are padded
    }
    append(b, "data");
    std::uint32_t bytes = frames * channels * bits / 8;
    append_le(b, bytes, 4);
    for (std::uint32_t i = 0; i < bytes; ++i) b.push_back(std::uint8_t((i * 37) ^ (i >> 3)));
    put_le(b, 4, std::uint32_t(b.size() - 8), 4);
    return b;
}

void wav_seeds(const std::vector<Bytes>& files) {
    put("made-mono8", make_wav(1, 1, 22050, 8, 300));
    put("made-stereo16", make_wav(1, 2, 44100, 16, 200));
    put("made-list", make_wav(1, 1, 11025, 16, 100, "LIST"));
    put("made-fmt18", make_wav(1, 2, 8000, 8, 64, "", 18));
    put("made-float", make_wav(3, 1, 44100, 32, 20));
    put("made-24bit", make_wav(1, 2, 48000, 24, 20));
    put("made-extensible", make_wav(0xfffe, 2, 44100, 16, 20, "", 40));
    put("made-3ch", make_wav(1, 3, 44100, 16, 20));
    put("made-0ch", make_wav(1, 0, 44100, 16, 20));
    put("made-0hz", make_wav(1, 1, 0, 16, 20));
    put("made-maxhz", make_wav(1, 2, 0x7fffffff, 16, 50));
    put("made-empty", make_wav(1, 1, 22050, 16, 0));
    Bytes huge = make_wav(1, 1, 22050, 16, 10);
    put_le(huge, huge.size() - 20 - 4, 0xffffffffu, 4);
    put("made-hugedata", huge);
    Bytes nodata = make_wav(1, 1, 22050, 8, 10);
    std::memcpy(nodata.data() + 36, "dat4", 4);
    put("made-nodata", nodata);
    Bytes hugefmt = make_wav(1, 1, 22050, 8, 10);
    put_le(hugefmt, 16, 0xfffffff0u, 4);
    put("made-hugefmt", hugefmt);
    // The game's sounds run to hundreds of kilobytes of samples; their first
    // 16 kB hold every header and leave a data chunk claiming more than is there.
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::string stem = "asset" + std::to_string(i);
        Bytes head(files[i].begin(),
                   files[i].begin() + std::min<std::size_t>(files[i].size(), 16384));
        put(stem, head);
        damage(stem, head, 1000 + std::uint32_t(i));
        if (head.size() >= 44) {
            Bytes b = head;
            put_le(b, 40, 0x7ffffff0u, 4); // the data chunk claims far more than is there
            put(stem + "-longdata", b);
            b = head;
            put_le(b, 34, 12, 2); // 12-bit samples
            put(stem + "-12bit", b);
        }
    }
}

// ---- Ogg Vorbis -----------------------------------------------------------

// A short tone encoded here: channels, rate, length in frames, and the
// stream's serial number (chained streams need different ones).
Bytes make_ogg(int channels, long rate, int frames, int serial) {
    try {
        std::string file = encode_vorbis(
            channels, rate, static_cast<std::size_t>(frames), 0.1f, serial, {{"TITLE", "seed"}},
            [](int c, std::size_t i) { return 0.5f * std::sin(float(i) * 0.05f * float(c + 1)); });
        return Bytes(file.begin(), file.end());
    } catch (const std::runtime_error&) {
        return {};
    }
}

// Finds the byte offset of the identification header's fields in the first page.
std::size_t ogg_id_header(const Bytes& b) {
    if (b.size() < 28 || std::memcmp(b.data(), "OggS", 4) != 0) return 0;
    std::size_t at = 27 + b[26];
    return at + 7 <= b.size() && std::memcmp(b.data() + at + 1, "vorbis", 6) == 0 ? at : 0;
}

void ogg_seeds(const std::vector<Bytes>& files) {
    std::vector<std::pair<std::string, Bytes>> made = {
        {"made-mono", make_ogg(1, 8000, 800, 1)}, {"made-stereo", make_ogg(2, 22050, 1500, 2)},
        {"made-3ch", make_ogg(3, 11025, 600, 3)}, {"made-6ch", make_ogg(6, 8000, 500, 4)},
        {"made-silent", make_ogg(1, 8000, 0, 5)},
    };
    Bytes chained = made[0].second;
    chained.insert(chained.end(), made[1].second.begin(), made[1].second.end());
    made.push_back({"made-chained", chained});
    for (auto& [stem, b] : made) {
        if (b.empty()) continue;
        put(stem, b);
        damage(stem, b, 2000 + std::uint32_t(written));
        // The identification header: channels, rate, block sizes.
        if (std::size_t id = ogg_id_header(b)) {
            Bytes c = b;
            c[id + 11] = 0; // no channels
            fix_crcs(c);
            put(stem + "-0ch", c);
            c = b;
            put_le(c, id + 12, 0, 4); // rate 0
            fix_crcs(c);
            put(stem + "-0hz", c);
            c = b;
            put_le(c, id + 12, 0xffffffffu, 4); // rate beyond int
            fix_crcs(c);
            put(stem + "-hugehz", c);
            c = b;
            c[id + 28] = 0xff; // block sizes out of range
            fix_crcs(c);
            put(stem + "-blocksize", c);
        }
        // The last page's granule position (the length it claims) overstated.
        for (std::size_t at = b.size() >= 27 ? b.size() - 27 : 0; at > 0; --at) {
            if (std::memcmp(b.data() + at, "OggS", 4) == 0) {
                Bytes c = b;
                put_le(c, at + 6, 0xffffffffu, 4);
                put_le(c, at + 10, 0x7fffffffu, 4);
                fix_crcs(c);
                put(stem + "-longgranule", c);
                break;
            }
        }
    }
    // The game's tunes are long; their first pages are what matters here.
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::string stem = "asset" + std::to_string(i);
        Bytes head(files[i].begin(),
                   files[i].begin() + std::min<std::size_t>(files[i].size(), 24576));
        put(stem, head);
        damage(stem, head, 3000 + std::uint32_t(i));
    }
}

// ---- PNG ------------------------------------------------------------------

void write_to_bytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

Bytes make_png(int width, int height, int color_type, int depth, bool interlaced, bool trns) {
    Bytes out;
    int channels = color_type == PNG_COLOR_TYPE_RGB          ? 3
                   : color_type == PNG_COLOR_TYPE_RGB_ALPHA  ? 4
                   : color_type == PNG_COLOR_TYPE_GRAY_ALPHA ? 2
                                                             : 1;
    std::size_t row_bytes = (std::size_t(width) * channels * depth + 7) / 8;
    // Made before libpng may jump out, so nothing is left behind.
    std::vector<Bytes> rows(height, Bytes(row_bytes));
    std::vector<png_bytep> pointers;
    for (int y = 0; y < height; ++y) {
        for (std::size_t x = 0; x < row_bytes; ++x) rows[y][x] = png_byte(x * 13 + y * 29);
        pointers.push_back(rows[y].data());
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, write_to_bytes, nullptr);
    png_set_IHDR(png, info, width, height, depth, color_type,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // A full palette for the depth, so that every index the rows hold is in it.
    png_color palette[256];
    int entries = 1 << std::min(depth, 8);
    for (int i = 0; i < entries; ++i)
        palette[i] = {png_byte(i * 16), png_byte(255 - i * 16), png_byte(i * 7)};
    if (color_type == PNG_COLOR_TYPE_PALETTE) png_set_PLTE(png, info, palette, entries);
    png_byte alphas[4] = {0, 128, 255, 64};
    png_color_16 key{};
    key.red = key.green = key.blue = key.gray = 1;
    if (trns) png_set_tRNS(png, info, alphas, color_type == PNG_COLOR_TYPE_PALETTE ? 4 : 0, &key);
    png_write_info(png, info);
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

void png_seeds(const std::vector<Bytes>& files) {
    struct Kind {
        const char* name;
        int color_type, depth;
    };
    const Kind kinds[] = {
        {"grey1", PNG_COLOR_TYPE_GRAY, 1},      {"grey4", PNG_COLOR_TYPE_GRAY, 4},
        {"grey8", PNG_COLOR_TYPE_GRAY, 8},      {"grey16", PNG_COLOR_TYPE_GRAY, 16},
        {"pal2", PNG_COLOR_TYPE_PALETTE, 2},    {"pal8", PNG_COLOR_TYPE_PALETTE, 8},
        {"rgb8", PNG_COLOR_TYPE_RGB, 8},        {"rgb16", PNG_COLOR_TYPE_RGB, 16},
        {"ga8", PNG_COLOR_TYPE_GRAY_ALPHA, 8},  {"ga16", PNG_COLOR_TYPE_GRAY_ALPHA, 16},
        {"rgba8", PNG_COLOR_TYPE_RGB_ALPHA, 8}, {"rgba16", PNG_COLOR_TYPE_RGB_ALPHA, 16}};
    std::vector<std::pair<std::string, Bytes>> made;
    for (const Kind& k : kinds) {
        for (int variant = 0; variant < 3; ++variant) {
            bool interlaced = variant == 1;
            bool trns = variant == 2 &&
                        (k.color_type == PNG_COLOR_TYPE_PALETTE ||
                         k.color_type == PNG_COLOR_TYPE_GRAY || k.color_type == PNG_COLOR_TYPE_RGB);
            if (variant == 2 && !trns) continue;
            std::string stem =
                std::string("made-") + k.name + (interlaced ? "-i" : "") + (trns ? "-trns" : "");
            Bytes b = make_png(9 + variant, 5 + variant, k.color_type, k.depth, interlaced, trns);
            if (!b.empty()) made.push_back({stem, b});
        }
    }
    // Whole pictures only, and small ones: a cut-off picture is a damaged
    // variant already, and large seeds slow every run down.
    for (std::size_t i = 0; i < files.size(); ++i)
        if (files[i].size() <= 65536) made.push_back({"asset" + std::to_string(i), files[i]});
    for (auto& [stem, b] : made) {
        put(stem, b);
        damage(stem, b, 4000 + std::uint32_t(written));
        if (b.size() < 33) continue;
        // The header's sizes: none, a sliver, a side as long as accepted, past it,
        // absurd. (A full 8192 x 8192 is left to the fuzzer: it takes a second.)
        const std::pair<std::uint32_t, std::uint32_t> sizes[] = {{0, 5},
                                                                 {1, 100000},
                                                                 {8192, 1},
                                                                 {1, 8192},
                                                                 {8193, 1},
                                                                 {0x7fffffffu, 1},
                                                                 {0xffffffffu, 0xffffffffu}};
        for (auto [w, h] : sizes) {
            Bytes c = b;
            put_be(c, 16, w, 4);
            put_be(c, 20, h, 4);
            fix_crcs(c);
            put(stem + "-" + std::to_string(w) + "x" + std::to_string(h), c);
        }
        for (int depth : {0, 3, 16, 32}) {
            Bytes c = b;
            c[24] = std::uint8_t(depth);
            fix_crcs(c);
            put(stem + "-depth" + std::to_string(depth), c);
        }
        Bytes c = b;
        put_be(c, 8, 0x7ffffff0u, 4); // the header chunk claims more than the file
        put(stem + "-longihdr", c);
    }
}

// ---- fonts ----------------------------------------------------------------

std::uint32_t be32(const Bytes& b, std::size_t at) {
    return at + 4 <= b.size() ? (std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 |
                                 std::uint32_t(b[at + 2]) << 8 | b[at + 3])
                              : 0;
}

void font_seeds(const std::vector<Bytes>& files) {
    for (std::size_t i = 0; i < files.size(); ++i) {
        const Bytes& f = files[i];
        std::string stem = "asset" + std::to_string(i);
        put(stem, f);
        damage(stem, f, 5000 + std::uint32_t(i));
        if (f.size() < 12) continue;
        int tables = (f[4] << 8) | f[5];
        Bytes c = f;
        put_be(c, 4, 0xffff, 2);
        put(stem + "-manytables", c);
        Dice dice{6000 + std::uint32_t(i)};
        for (int t = 0; t < tables && 12 + 16 * (t + 1) <= int(f.size()); ++t) {
            std::size_t entry = 12 + 16 * std::size_t(t);
            std::string tag(f.begin() + entry, f.begin() + entry + 4);
            for (char& ch : tag)
                if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
            std::uint32_t offset = be32(f, entry + 8), length = be32(f, entry + 12);
            // The table placed past the end of the file, and made too long.
            c = f;
            put_be(c, entry + 8, std::uint32_t(f.size()) - 2, 4);
            put("t-" + stem + "-" + tag + "-offset", c);
            c = f;
            put_be(c, entry + 12, 0x7fffffffu, 4);
            put("t-" + stem + "-" + tag + "-length", c);
            // Bytes of the table itself flipped.
            if (length == 0 || offset >= f.size()) continue;
            c = f;
            for (int flip = 0; flip < 8; ++flip) {
                std::size_t at = offset + dice.below(std::min<std::size_t>(length, 64));
                if (at < c.size()) c[at] ^= std::uint8_t(1 + dice.below(255));
            }
            put("t-" + stem + "-" + tag + "-flips", c);
            if (tag == "head" && offset + 20 <= f.size()) {
                for (std::uint32_t units : {0u, 1u, 16u, 0xffffu}) {
                    c = f;
                    put_be(c, offset + 18, units, 2);
                    put("t-" + stem + "-units" + std::to_string(units), c);
                }
            }
            if (tag == "maxp" && offset + 6 <= f.size()) {
                for (std::uint32_t glyphs : {0u, 1u, 0xffffu}) {
                    c = f;
                    put_be(c, offset + 4, glyphs, 2);
                    put("t-" + stem + "-glyphs" + std::to_string(glyphs), c);
                }
            }
        }
    }
}

// ---- score file and lines --------------------------------------------------

Bytes score_file(const std::vector<std::pair<std::string, std::uint32_t>>& records) {
    Bytes b;
    for (const auto& [name, value] : records) {
        append(b, name);
        append(b, "\r\n");
        append_le(b, value, 4);
    }
    return b;
}

void score_seeds() {
    Bytes standard = score_file({{"K. Tesselk", 500},
                                 {"J. Orrimund", 400},
                                 {"Quoraan", 300},
                                 {"A. Lumivessa", 12000},
                                 {"P. Pyx", 10000},
                                 {"D. Darrowen", 8000}});
    put("default", standard);
    for (std::size_t cut = 0; cut < standard.size(); cut += 7)
        put("default-cut" + std::to_string(cut), Bytes(standard.begin(), standard.begin() + cut));
    damage("default", standard, 7000);
    put("extremes", score_file({{"", 0x7fffffffu},
                                {"min", 0x80000000u},
                                {"neg", 0xffffffffu},
                                {"A", 1},
                                {"B", 0},
                                {"C", 0x80000000u}}));
    put("long-name", score_file({{std::string(3000, 'x'), 7}, {"y", 1}}));
    put("zero-bytes", text(std::string("a\0b\r\n\x01\x02\x03\x04", 10)));
    put("cr-only", text("\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r"));
    put("lf-only", text("\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n"));
    put("empty", {});
    put("binary", [] {
        Bytes b;
        for (int i = 0; i < 256; ++i) b.push_back(std::uint8_t(i * 73));
        return b;
    }());
}

void line_seeds() {
    put("crlf", text("abc\r\ndef\r\n\r\nlast"));
    put("lf", text("one\ntwo\n\nthree\n"));
    put("nul", text(std::string("a\0b\0\0c", 6)));
    put("cr-inside", text("a\rb\r\rc\r\n\rd"));
    put("empty", {});
    for (std::size_t length : {1023, 1024, 1025, 2048, 3000})
        put("long" + std::to_string(length), text(std::string(length, 'q') + "\r\nend"));
    Bytes mix;
    for (int i = 0; i < 300; ++i)
        mix.push_back(std::uint8_t(i % 3 == 0 ? '\n' : i % 5 == 0 ? '\r' : i));
    put("mixed", mix);
}

Bytes read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: fuzz_seeds <wav|ogg|png|font|score|read_line> <folder> [file...]\n");
        return 2;
    }
    kind = argv[1];
    out_dir = argv[2];
    fs::create_directories(out_dir);
    std::vector<Bytes> files;
    for (int i = 3; i < argc; ++i) {
        Bytes b = read_file(argv[i]);
        if (b.empty()) {
            std::fprintf(stderr, "fuzz_seeds: cannot read %s\n", argv[i]);
            return 1;
        }
        files.push_back(std::move(b));
    }
    if (kind == "wav")
        wav_seeds(files);
    else if (kind == "ogg")
        ogg_seeds(files);
    else if (kind == "png")
        png_seeds(files);
    else if (kind == "font")
        font_seeds(files);
    else if (kind == "score")
        score_seeds();
    else if (kind == "read_line")
        line_seeds();
    else {
        std::fprintf(stderr, "fuzz_seeds: unknown harness %s\n", kind.c_str());
        return 2;
    }
    std::printf("%s: %d seeds in %s\n", kind.c_str(), written, out_dir.c_str());
    return 0;
}
