// SPDX-License-Identifier: MIT
// mkicons: turns the text-grid icon sources in assets/icons/src into .ico files.
//
// Source format, one or more images per file:
//   # comment lines and blank lines are ignored
//   image 32x32 4bit      header: size and depth (4bit = 16 colours, 1bit = monochrome)
//   ................      one row per line, top row first, one letter per pixel
// Letters are palette indexes 0-9 A-F and '.' for transparent; a 1bit grid may only use
// 0 (black), F (white) and '.'.
//
// Usage: mkicons SOURCE.txt OUT.ico
//        mkicons SOURCE_DIR OUT_DIR     (every NAME.txt becomes NAME.ico)

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr char transparentLetter = '.';
constexpr int transparent = -1; // pixel value for '.'

// The standard 16-colour palette as (red, green, blue).
constexpr std::array<std::array<std::uint8_t, 3>, 16> palette16 = {{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

struct Image
{
    int width = 0;
    int height = 0;
    int bits = 4;
    std::vector<int> pixels; // palette index per pixel or `transparent`, top row first
};

struct SourceError
{
    std::string message;
};

[[noreturn]] void fail(const fs::path &file, int line, const std::string &what)
{
    std::ostringstream out;
    out << file.string() << ':' << line << ": " << what;
    throw SourceError{out.str()};
}

std::string trimRight(std::string text)
{
    while (!text.empty() && (text.back() == '\r' || text.back() == ' ' || text.back() == '\t'))
        text.pop_back();
    return text;
}

// Reads "image WxH Nbit"; returns nothing if the line is not a header at all.
std::optional<Image> parseHeader(const std::string &line, const fs::path &file, int lineNo)
{
    if (line.rfind("image", 0) != 0)
        return std::nullopt;
    std::istringstream in(line.substr(5));
    std::string size, depth, extra;
    in >> size >> depth >> extra;
    Image image;
    char x = 0;
    std::istringstream sizeIn(size);
    if (!(sizeIn >> image.width >> x >> image.height) || x != 'x' || !sizeIn.eof())
        fail(file, lineNo, "bad header, expected e.g. \"image 32x32 4bit\"");
    if (image.width < 1 || image.width > 255 || image.height < 1 || image.height > 255)
        fail(file, lineNo, "image size must be between 1 and 255 pixels");
    if (depth == "4bit")
        image.bits = 4;
    else if (depth == "1bit")
        image.bits = 1;
    else
        fail(file, lineNo, "depth must be 4bit or 1bit, not \"" + depth + "\"");
    if (!extra.empty())
        fail(file, lineNo, "unexpected text after the depth: \"" + extra + "\"");
    return image;
}

// Returns nothing for a letter the image's depth does not allow.
std::optional<int> letterValue(char letter, int bits)
{
    if (letter == transparentLetter)
        return transparent;
    if (bits == 1) {
        // Monochrome palette: index 0 black, index 1 white.
        if (letter == '0')
            return 0;
        if (letter == 'F')
            return 1;
        return std::nullopt;
    }
    if (letter >= '0' && letter <= '9')
        return letter - '0';
    if (letter >= 'A' && letter <= 'F')
        return letter - 'A' + 10;
    return std::nullopt;
}

void checkComplete(const Image &image, const fs::path &file, int headerLine, int endLine)
{
    const int rows = static_cast<int>(image.pixels.size()) / image.width;
    if (rows != image.height)
        fail(file, endLine,
             "image from line " + std::to_string(headerLine) + " has " + std::to_string(rows) +
                 " rows, expected " + std::to_string(image.height));
}

std::vector<Image> readSource(const fs::path &file)
{
    std::ifstream in(file);
    if (!in)
        throw SourceError{file.string() + ": cannot open"};

    std::vector<Image> images;
    std::string raw;
    int lineNo = 0;
    int headerLine = 0;
    while (std::getline(in, raw)) {
        ++lineNo;
        const std::string line = trimRight(raw);
        if (line.empty() || line.front() == '#')
            continue;
        if (auto header = parseHeader(line, file, lineNo)) {
            if (!images.empty())
                checkComplete(images.back(), file, headerLine, lineNo);
            images.push_back(*header);
            headerLine = lineNo;
            continue;
        }
        if (images.empty())
            fail(file, lineNo, "pixel row before the first \"image\" header");
        Image &image = images.back();
        if (static_cast<int>(image.pixels.size()) == image.width * image.height)
            fail(file, lineNo, "too many rows, expected " + std::to_string(image.height));
        if (static_cast<int>(line.size()) != image.width)
            fail(file, lineNo,
                 "row has " + std::to_string(line.size()) + " letters, expected " +
                     std::to_string(image.width));
        for (std::size_t column = 0; column < line.size(); ++column) {
            const std::optional<int> value = letterValue(line[column], image.bits);
            if (!value)
                fail(file, lineNo,
                     std::string("unknown letter '") + line[column] + "' in column " +
                         std::to_string(column + 1) +
                         (image.bits == 1 ? " (a 1bit image uses 0, F and .)"
                                          : " (use 0-9, A-F and .)"));
            image.pixels.push_back(*value);
        }
    }
    if (images.empty())
        fail(file, lineNo, "no \"image\" header found");
    checkComplete(images.back(), file, headerLine, lineNo);
    return images;
}

class Writer
{
public:
    void u8(unsigned value) { bytes.push_back(static_cast<char>(value & 0xff)); }
    void u16(unsigned value)
    {
        u8(value);
        u8(value >> 8);
    }
    void u32(unsigned value)
    {
        u16(value);
        u16(value >> 16);
    }
    std::string bytes;
};

int rowBytes(int width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

int imageBytes(const Image &image)
{
    const int paletteBytes = 4 * (1 << image.bits);
    const int xorBytes = rowBytes(image.width, image.bits) * image.height;
    const int andBytes = rowBytes(image.width, 1) * image.height;
    return 40 + paletteBytes + xorBytes + andBytes;
}

// Packs one row, high bits first; `value` gives each pixel's bits.
template<typename F> void packRow(Writer &out, int width, int bits, F value)
{
    std::string row(static_cast<std::size_t>(rowBytes(width, bits)), '\0');
    for (int x = 0; x < width; ++x) {
        const int bitPos = x * bits;
        const int shift = 8 - bits - bitPos % 8;
        row[static_cast<std::size_t>(bitPos / 8)] |= static_cast<char>(value(x) << shift);
    }
    out.bytes += row;
}

void writeImage(Writer &out, const Image &image)
{
    const int paletteBytes = 4 * (1 << image.bits);
    out.u32(40);
    out.u32(static_cast<unsigned>(image.width));
    out.u32(static_cast<unsigned>(image.height * 2)); // the XOR bitmap and the AND mask
    out.u16(1);
    out.u16(static_cast<unsigned>(image.bits));
    out.u32(0); // uncompressed
    out.u32(static_cast<unsigned>(imageBytes(image) - 40 - paletteBytes));
    for (int i = 0; i < 4; ++i)
        out.u32(0); // resolution and colour counts: unused by icons

    if (image.bits == 1) {
        for (unsigned grey : {0u, 255u}) {
            out.u8(grey);
            out.u8(grey);
            out.u8(grey);
            out.u8(0);
        }
    } else {
        for (const auto &[red, green, blue] : palette16) {
            out.u8(blue);
            out.u8(green);
            out.u8(red);
            out.u8(0);
        }
    }

    auto pixel = [&](int x, int y) {
        return image.pixels[static_cast<std::size_t>(y * image.width + x)];
    };
    // Transparent pixels are black in the XOR bitmap and set in the AND mask, so the screen shows
    // through unchanged.
    for (int y = image.height - 1; y >= 0; --y)
        packRow(out, image.width, image.bits,
                [&](int x) { return pixel(x, y) == transparent ? 0 : pixel(x, y); });
    for (int y = image.height - 1; y >= 0; --y)
        packRow(out, image.width, 1, [&](int x) { return pixel(x, y) == transparent ? 1 : 0; });
}

std::string encodeIcon(const std::vector<Image> &images)
{
    Writer out;
    out.u16(0);
    out.u16(1); // icon, not cursor
    out.u16(static_cast<unsigned>(images.size()));
    unsigned offset = 6 + 16 * static_cast<unsigned>(images.size());
    for (const Image &image : images) {
        out.u8(static_cast<unsigned>(image.width));
        out.u8(static_cast<unsigned>(image.height));
        out.u8(1u << image.bits);
        out.u8(0);
        out.u16(1);
        out.u16(static_cast<unsigned>(image.bits));
        out.u32(static_cast<unsigned>(imageBytes(image)));
        out.u32(offset);
        offset += static_cast<unsigned>(imageBytes(image));
    }
    for (const Image &image : images)
        writeImage(out, image);
    return out.bytes;
}

bool convert(const fs::path &source, const fs::path &target)
{
    try {
        const std::string bytes = encodeIcon(readSource(source));
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::cerr << target.string() << ": cannot write\n";
            return false;
        }
        return true;
    } catch (const SourceError &error) {
        std::cerr << error.message << '\n';
        return false;
    }
}

bool convertFolder(const fs::path &sourceDir, const fs::path &targetDir)
{
    std::vector<fs::path> sources;
    for (const auto &entry : fs::directory_iterator(sourceDir))
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            sources.push_back(entry.path());
    if (sources.empty()) {
        std::cerr << sourceDir.string() << ": no .txt sources\n";
        return false;
    }
    std::sort(sources.begin(), sources.end());
    fs::create_directories(targetDir);
    bool ok = true;
    for (const fs::path &source : sources)
        ok = convert(source, targetDir / (source.stem().string() + ".ico")) && ok;
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: mkicons SOURCE.txt OUT.ico\n"
                     "       mkicons SOURCE_DIR OUT_DIR\n";
        return 2;
    }
    try {
        const fs::path source = argv[1];
        const fs::path target = argv[2];
        return (fs::is_directory(source) ? convertFolder(source, target) : convert(source, target))
                   ? 0
                   : 1;
    } catch (const fs::filesystem_error &error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
}
