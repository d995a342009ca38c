// The 24-bit BMP writer: BITMAPFILEHEADER (14 bytes), BITMAPINFOHEADER (40
// bytes), then the rows from the bottom up, blue-green-red, each padded to a
// multiple of 4 bytes. 2000 x 2000 pixels give 12,000,054 bytes.
#include <cstdint>
#include <vector>

#include "platform/FileIO.h"
#include "platform/qt/Bitmap.h"

namespace tv {

namespace {
void Put16(std::vector<unsigned char>& b, std::uint32_t v) {
  b.push_back(static_cast<unsigned char>(v));
  b.push_back(static_cast<unsigned char>(v >> 8));
}
void Put32(std::vector<unsigned char>& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
}  // namespace

void WriteBmpFile(const QImage& Image, const std::string& FileName) {
  const QImage img = Image.format() == QImage::Format_RGB32 ? Image : Image.convertToFormat(QImage::Format_RGB32);
  const std::uint32_t w = static_cast<std::uint32_t>(img.width());
  const std::uint32_t h = static_cast<std::uint32_t>(img.height());
  const std::uint32_t rowBytes = (w * 3 + 3) & ~3u;
  const std::uint32_t dataBytes = rowBytes * h;

  std::vector<unsigned char> header;
  header.reserve(54);
  header.push_back('B');
  header.push_back('M');
  Put32(header, 54 + dataBytes);  // file size
  Put32(header, 0);               // reserved
  Put32(header, 54);              // offset of the pixels
  Put32(header, 40);              // info header size
  Put32(header, w);
  Put32(header, h);               // positive: bottom-up rows
  Put16(header, 1);               // planes
  Put16(header, 24);              // bits per pixel
  Put32(header, 0);               // no compression
  Put32(header, dataBytes);
  Put32(header, 3780);            // 96 dots per inch, in pixels per metre
  Put32(header, 3780);
  Put32(header, 0);               // colours used
  Put32(header, 0);               // important colours

  // Written beside the file first: a failure keeps a previous picture whole.
  TFileReplacement File(FileName);
  File.Write(header.data(), header.size());
  std::vector<unsigned char> row(rowBytes, 0);
  for (std::uint32_t y = h; y-- > 0;) {
    const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(static_cast<int>(y)));
    for (std::uint32_t x = 0; x < w; ++x) {
      row[3 * x] = static_cast<unsigned char>(qBlue(line[x]));
      row[3 * x + 1] = static_cast<unsigned char>(qGreen(line[x]));
      row[3 * x + 2] = static_cast<unsigned char>(qRed(line[x]));
    }
    if (File.Write(row.data(), rowBytes) != rowBytes) break;
  }
  File.Commit();
}

}  // namespace tv
