#include "assets/image.h"

#include "text/data_file.h"

void Image::paste(const Image& source, int x, int y, bool masked) {
    for (int sy = 0; sy < source.height(); ++sy)
        for (int sx = 0; sx < source.width(); ++sx) {
            Rgb c = source.at(sx, sy);
            if (masked && c == maskColour) continue;
            set(x + sx, y + sy, c);
        }
}

void Image::fill(Rgb c) {
    for (Rgb& p : pixels)
        p = c;
}

bool writeBmp(const Image& image, const char* gamePath) {
    int rowBytes = (image.width() * 3 + 3) & ~3;
    int32_t dataSize = rowBytes * image.height();
    DataWriter out;
    if (!out.open(gamePath)) return false;
    // File header, then the 40-byte information header.
    out.writeBytes("BM", 2);
    writeInt32(out, 14 + 40 + dataSize);
    writeInt32(out, 0);
    writeInt32(out, 14 + 40);
    writeInt32(out, 40);
    writeInt32(out, image.width());
    writeInt32(out, image.height());
    uint16_t planesAndBits[2] = {1, 24};
    out.writeBytes(planesAndBits, 4); // little-endian host
    writeInt32(out, 0);               // no compression
    writeInt32(out, dataSize);
    writeInt32(out, 2835);
    writeInt32(out, 2835);
    writeInt32(out, 0);
    writeInt32(out, 0);
    std::vector<uint8_t> row((size_t)rowBytes, 0);
    for (int y = image.height() - 1; y >= 0; --y) { // rows are stored bottom-up
        for (int x = 0; x < image.width(); ++x) {
            Rgb c = image.at(x, y);
            row[(size_t)x * 3] = c.b;
            row[(size_t)x * 3 + 1] = c.g;
            row[(size_t)x * 3 + 2] = c.r;
        }
        out.writeBytes(row.data(), row.size());
    }
    return out.commit();
}
