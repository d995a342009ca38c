// Pictures and picture files: new pictures, the JPEG reader's pixels and
// errors (missing, empty, not a JPEG, truncated, corrupt, not a regular file,
// too large) and the 24-bit BMP writer's layout and failures.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "CanvasTestUtil.h"
#include "data/ChildProcess.h"
#include "platform/Errors.h"

extern "C" {
#include <jpeglib.h>
}

namespace tv {
namespace {

namespace fs = std::filesystem;

const std::string Background = std::string(TV_SOURCE_DIR) + "/data/run/Himmelshintergrund_radial_2000x2000.jpg";

class PictureFileTest : public QtCanvasTest {
 protected:
  void SetUp() override {
    Dir_ = fs::path(::testing::TempDir()) / ("tv_canvas_pictures_" + std::to_string(::getpid()));
    fs::create_directories(Dir_);
  }
  void TearDown() override { fs::remove_all(Dir_); }

  std::string Write(const std::string& Name, const std::vector<char>& Bytes) {
    const std::string path = (Dir_ / Name).string();
    std::ofstream(path, std::ios::binary).write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
    return path;
  }
  static std::vector<char> Read(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path Dir_;
};

// New pictures, those of 2 MB and more in memory of their own: of their size,
// writable, and living on in a copy after the picture itself is gone, as any
// picture does.
TEST(MadePicture, IsAnRgb32PictureThatItsCopiesOutlive) {
  const struct {
    const char* Name;
    int Width, Height;
  } cases[] = {
      {"two pixels", 2, 1},
      {"a byte under 2 MB and more", 723, 725},
      {"2 MB and more", 724, 725},
      {"the drawing surface", 2000, 2000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    QImage made = MakePicture(c.Width, c.Height);
    ASSERT_EQ(made.size(), QSize(c.Width, c.Height));
    EXPECT_EQ(made.format(), QImage::Format_RGB32);
    EXPECT_EQ(made.bytesPerLine(), 4 * c.Width);
    made.fill(qRgb(10, 20, 30));
    QImage copy = made;
    made = QImage();
    copy.setPixel(0, 0, qRgb(1, 2, 3));
    EXPECT_EQ(copy.pixel(c.Width - 1, c.Height - 1), qRgb(10, 20, 30));
    EXPECT_EQ(copy.pixel(0, 0), qRgb(1, 2, 3));
    TBitmap bitmap;
    bitmap.Assign(std::move(copy));
    bitmap.Canvas().Brush.Color = RGBColor(40, 50, 60);
    bitmap.Canvas().FillRect({0, 0, 1, 1});
    EXPECT_EQ(bitmap.Pixel(0, 0), RGBColor(40, 50, 60));
  }
  for (const QSize none : {QSize(0, 7), QSize(7, 0), QSize(-3, 5)})
    EXPECT_TRUE(MakePicture(none.width(), none.height()).isNull());
}

TEST_F(PictureFileTest, ReadsTheBackgroundPictureAtFullSize) {
  const QImage p = ReadJpegFile(Background);
  ASSERT_EQ(p.size(), QSize(2000, 2000));
  EXPECT_EQ(p.format(), QImage::Format_RGB32);
  const QRgb zenith = p.pixel(1000, 1000);
  EXPECT_GT(qBlue(zenith), qRed(zenith) + 20);  // deep blue at the centre
  EXPECT_LT(qRed(p.pixel(5, 5)) + qGreen(p.pixel(5, 5)) + qBlue(p.pixel(5, 5)), 12);  // black corner
}

// The picture as libjpeg decodes it into RGB with DCT method Method and
// block smoothing Smoothing, each pixel widened with qRgb (a valid file
// only: libjpeg's own error exit ends the test; its warnings are read past).
QImage DecodeWith(const std::string& Path, J_DCT_METHOD Method, boolean Smoothing = FALSE) {
  std::FILE* f = std::fopen(Path.c_str(), "rb");
  if (f == nullptr) return {};
  jpeg_decompress_struct info;
  jpeg_error_mgr err;
  info.err = jpeg_std_error(&err);
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, f);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  info.dct_method = Method;
  info.do_block_smoothing = Smoothing;
  jpeg_start_decompress(&info);
  QImage image(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB32);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(info.output_width) * 3);
  JSAMPROW rows[1] = {row.data()};
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    jpeg_read_scanlines(&info, rows, 1);
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]));
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  std::fclose(f);
  return image;
}

// Picture as a JPEG file's bytes: grey (one component) or colour with full
// or halved colour resolution, baseline or progressive, quality 85.
enum class TJpegKind { Grey, Colour444, ProgressiveColour420, ProgressiveColour444 };
std::vector<char> EncodeJpeg(const QImage& Picture, TJpegKind Kind) {
  jpeg_compress_struct info;
  jpeg_error_mgr err;
  info.err = jpeg_std_error(&err);
  jpeg_create_compress(&info);
  unsigned char* bytes = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &bytes, &size);
  const bool grey = Kind == TJpegKind::Grey;
  info.image_width = static_cast<JDIMENSION>(Picture.width());
  info.image_height = static_cast<JDIMENSION>(Picture.height());
  info.input_components = grey ? 1 : 3;
  info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 85, TRUE);
  if (Kind == TJpegKind::Colour444 || Kind == TJpegKind::ProgressiveColour444)
    info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
  if (Kind == TJpegKind::ProgressiveColour420 || Kind == TJpegKind::ProgressiveColour444)
    jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(Picture.width()) * 3);
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < Picture.width(); ++x) {
      const QRgb p = Picture.pixel(x, y);
      if (grey) {
        row[static_cast<std::size_t>(x)] = static_cast<JSAMPLE>(qGray(p));
      } else {
        row[3 * static_cast<std::size_t>(x)] = static_cast<JSAMPLE>(qRed(p));
        row[3 * static_cast<std::size_t>(x) + 1] = static_cast<JSAMPLE>(qGreen(p));
        row[3 * static_cast<std::size_t>(x) + 2] = static_cast<JSAMPLE>(qBlue(p));
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<char> file(bytes, bytes + size);
  std::free(bytes);
  return file;
}

// The reader decodes with the floating-point inverse DCT: the background's
// pixels are those of that method, which differ here and there by a level or
// two from libjpeg's default integer method.
TEST_F(PictureFileTest, DecodesWithTheFloatingPointInverseDct) {
  const QImage read = ReadJpegFile(Background);
  const QImage floating = DecodeWith(Background, JDCT_FLOAT);
  const QImage integer = DecodeWith(Background, JDCT_ISLOW);
  ASSERT_EQ(floating.size(), QSize(2000, 2000));
  EXPECT_EQ(read, floating);
  EXPECT_NE(read, integer);
  int largest = 0;
  for (int y = 0; y < 2000; y += 3)
    for (int x = 0; x < 2000; x += 3) {
      const QRgb a = read.pixel(x, y), b = integer.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b))});
    }
  EXPECT_LE(largest, 3);
}

// The reader decodes straight into the picture's RGB32 rows: every pixel,
// its fourth byte included, is libjpeg's RGB widened with qRgb, for colour at
// full and halved resolution, grey, progressive pictures of sides that are no
// multiple of a block, and one cut short and read past (its block smoothing
// at work on the missing scans).
TEST_F(PictureFileTest, DecodesStraightIntoTheDrawingFormatAsItsRgbWidened) {
  QImage pattern(301, 203, QImage::Format_RGB32);
  for (int y = 0; y < pattern.height(); ++y)
    for (int x = 0; x < pattern.width(); ++x)
      pattern.setPixel(x, y, qRgb((x * 7 + y) % 256, (y * 5 + (x ^ y)) % 256, (x * y / 13) % 256));
  const std::vector<char> progressive = EncodeJpeg(pattern, TJpegKind::ProgressiveColour420);
  const std::vector<char> cut(progressive.begin(),
                              progressive.begin() + static_cast<std::ptrdiff_t>(progressive.size() / 3));
  const struct {
    const char* Name;
    std::string Path;
  } cases[] = {
      {"the background picture", Background},
      {"grey", Write("grey.jpg", EncodeJpeg(pattern, TJpegKind::Grey))},
      {"colour at full resolution", Write("full.jpg", EncodeJpeg(pattern, TJpegKind::Colour444))},
      {"progressive", Write("progressive.jpg", progressive)},
      {"progressive at full resolution",
       Write("full-progressive.jpg", EncodeJpeg(pattern, TJpegKind::ProgressiveColour444))},
      {"progressive cut short", Write("cut.jpg", cut)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const QImage read = ReadJpegFile(c.Path, 16384, TJpegWarnings::jwIgnore);
    const QImage expected = DecodeWith(c.Path, JDCT_FLOAT, TRUE);
    ASSERT_EQ(read.format(), QImage::Format_RGB32);
    ASSERT_EQ(read.size(), expected.size());
    int differing = 0;
    for (int y = 0; y < read.height(); ++y) {
      const auto* a = reinterpret_cast<const QRgb*>(read.constScanLine(y));
      const auto* b = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
      for (int x = 0; x < read.width(); ++x) differing += a[x] != b[x] ? 1 : 0;
    }
    EXPECT_EQ(differing, 0);
  }
}

TEST_F(PictureFileTest, EveryBadFileGivesOurErrorWithItsName) {
  const std::vector<char> good = Read(Background);
  ASSERT_GT(good.size(), 10000u);
  std::vector<char> truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() * 2 / 5));
  std::vector<char> corrupt = good;
  for (std::size_t i = good.size() / 3; i < good.size() / 3 + 4000; ++i) corrupt[i] = static_cast<char>(i * 37);
  std::vector<char> badHeader = good;
  badHeader[2] = 0x00;  // the marker after SOI is no longer a marker

  struct Row { const char* Name; std::string Path; int Errno; };
  const Row rows[] = {
      {"missing", (Dir_ / "no such picture.jpg").string(), ENOENT},
      {"folder", Dir_.string(), EISDIR},
      {"empty", Write("empty.jpg", {}), EIO},
      {"text", Write("text.jpg", {'h', 'e', 'l', 'l', 'o', '\n'}), EIO},
      {"truncated", Write("truncated.jpg", truncated), EIO},
      {"corrupt data", Write("corrupt.jpg", corrupt), EIO},
      {"corrupt header", Write("header.jpg", badHeader), EIO},
  };
  for (const Row& r : rows) {
    try {
      ReadJpegFile(r.Path);
      ADD_FAILURE() << r.Name << ": no error";
    } catch (const EInOutError& e) {
      EXPECT_EQ(e.FileName(), r.Path) << r.Name;
      EXPECT_NE(std::string(e.what()).find(r.Path), std::string::npos) << r.Name << ": " << e.what();
      if (r.Errno != 0) {
        EXPECT_EQ(e.ErrorCode(), r.Errno) << r.Name << ": " << e.what();
      }
    }
  }
  // Reading past damaged data: a file cut short gives the picture at its full
  // size, its top as before; what is no JPEG still raises.
  const QImage whole = ReadJpegFile(Background);
  const QImage cut = ReadJpegFile((Dir_ / "truncated.jpg").string(), 16384, TJpegWarnings::jwIgnore);
  EXPECT_EQ(cut.size(), QSize(2000, 2000));
  EXPECT_EQ(cut.copy(0, 0, 2000, 200), whole.copy(0, 0, 2000, 200));
  for (const char* name : {"empty.jpg", "text.jpg"})
    EXPECT_THROW(ReadJpegFile((Dir_ / name).string(), 16384, TJpegWarnings::jwIgnore), EInOutError) << name;
}

using testing_child::ErrorCodeOf;
using testing_child::RunInChild;

// A FIFO, a device or a socket named like the picture is never opened for
// reading: it would wait for a writer for ever.
TEST_F(PictureFileTest, OnlyRegularFilesAreOpened) {
  const std::string fifo = (Dir_ / "fifo.jpg").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(RunInChild([&] { return ErrorCodeOf([&] { ReadJpegFile(fifo); }, fifo); }, 5), EINVAL);
  EXPECT_EQ(RunInChild([&] { return ErrorCodeOf([&] { ReadJpegFile("/dev/zero"); }, "/dev/zero"); }, 5), EINVAL);
  // A link to the picture is followed.
  const std::string link = (Dir_ / "link.jpg").string();
  fs::create_symlink(Background, link);
  EXPECT_EQ(ReadJpegFile(link).size(), QSize(2000, 2000));
}

// A header that claims more pixels than the limit on either side is refused
// before the picture is allocated, with the reader's usual error.
TEST_F(PictureFileTest, PicturesBeyondTheSideLimitAreRefusedFromTheirHeader) {
  const std::vector<char> good = Read(Background);
  // The frame header (SOF0..SOF15 but not DHT, JPG or DAC): height and width
  // as 16-bit big-endian numbers 3 and 5 bytes after its length.
  std::size_t sof = 0;
  for (std::size_t at = 2; at + 9 < good.size() && sof == 0;) {
    const unsigned char marker = static_cast<unsigned char>(good[at + 1]);
    ASSERT_EQ(static_cast<unsigned char>(good[at]), 0xFF);
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) sof = at;
    at += 2 + (static_cast<unsigned char>(good[at + 2]) << 8 | static_cast<unsigned char>(good[at + 3]));
  }
  ASSERT_NE(sof, 0u);
  auto withSize = [&](unsigned width, unsigned height) {
    std::vector<char> bytes = good;
    bytes[sof + 5] = static_cast<char>(height >> 8), bytes[sof + 6] = static_cast<char>(height & 0xFF);
    bytes[sof + 7] = static_cast<char>(width >> 8), bytes[sof + 8] = static_cast<char>(width & 0xFF);
    return bytes;
  };
  struct Row {
    const char* Name;
    std::vector<char> Bytes;
    int MaxSide;
    const char* Refused;  // the sizes the message names; nullptr: read
  } const rows[] = {
      {"the background at a limit of its size", good, 2000, nullptr},
      {"the background one pixel beyond the limit", good, 1999, "2000 x 2000"},
      {"20000 x 20000 at the default limit", withSize(20000, 20000), 16384, "20000 x 20000"},
      {"too wide only", withSize(16385, 8), 16384, "16385 x 8"},
      {"too high only", withSize(8, 40000), 16384, "8 x 40000"},
  };
  for (const Row& r : rows) {
    const std::string path = Write("sized.jpg", r.Bytes);
    try {
      const QImage p = ReadJpegFile(path, r.MaxSide);
      EXPECT_EQ(r.Refused, nullptr) << r.Name << ": read";
      EXPECT_EQ(p.size(), QSize(2000, 2000)) << r.Name;
    } catch (const EInOutError& e) {
      ASSERT_NE(r.Refused, nullptr) << r.Name << ": " << e.what();
      EXPECT_EQ(e.ErrorCode(), EIO) << r.Name;
      EXPECT_EQ(e.FileName(), path) << r.Name;
      EXPECT_NE(std::string(e.what()).find(r.Refused), std::string::npos) << r.Name << ": " << e.what();
      EXPECT_NE(std::string(e.what()).find("exceeds the limit"), std::string::npos) << r.Name << ": " << e.what();
    }
  }
}

// A full disk or a file-size limit while writing the picture: the error is
// raised, the signal of the limit does not end the program, and a picture of
// an earlier save stays whole, with nothing left beside it.
TEST_F(PictureFileTest, FailedBmpWriteKeepsThePreviousPicture) {
  TBitmap b(100, 100);
  const std::string path = (Dir_ / "Tarvelsicht_Bild.bmp").string();
  b.SaveToFile(path);
  const std::vector<char> before = Read(path);
  b.Canvas().Brush.Color = 0x123456;
  b.Canvas().FillRect({0, 0, 100, 100});
  const int code = RunInChild([&] {
    std::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{10000, 10000};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 249;
    return ErrorCodeOf([&] { b.SaveToFile(path); }, path);
  });
  EXPECT_EQ(code, EFBIG);
  EXPECT_EQ(Read(path), before);
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(Dir_)) names.push_back(entry.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"Tarvelsicht_Bild.bmp"});
}

TEST_F(PictureFileTest, BmpOfTheDrawingBitmapHasTwelveMillionAndFiftyFourBytes) {
  TBitmap b(2000, 2000);
  const std::string path = (Dir_ / "Tarvelsicht_Bild.bmp").string();
  b.SaveToFile(path);
  EXPECT_EQ(fs::file_size(path), 12000054u);
  // Re-reading through Qt gives the same picture.
  b.Canvas().Brush.Color = 0x123456;
  b.Canvas().FillRect({10, 20, 30, 40});
  b.SaveToFile(path);
  const QImage back(QString::fromStdString(path));
  ASSERT_EQ(back.size(), QSize(2000, 2000));
  EXPECT_EQ(back.pixel(15, 25), qRgb(0x56, 0x34, 0x12));
  EXPECT_EQ(back.pixel(9, 25), qRgb(0, 0, 0));
}

TEST_F(PictureFileTest, BmpRowsRunBottomUpInBlueGreenRedWithPadding) {
  TBitmap b(3, 2);
  b.Canvas().Brush.Color = RGBColor(1, 2, 3);
  b.Canvas().FillRect({0, 0, 3, 1});  // top row
  b.Canvas().Brush.Color = RGBColor(4, 5, 6);
  b.Canvas().FillRect({0, 1, 1, 2});  // bottom-left pixel
  const std::string path = (Dir_ / "small.bmp").string();
  b.SaveToFile(path);
  const std::vector<char> f = Read(path);
  ASSERT_EQ(f.size(), 54u + 2 * 12);
  auto u32 = [&](int at) {
    return static_cast<unsigned>(static_cast<unsigned char>(f[at])) |
           static_cast<unsigned>(static_cast<unsigned char>(f[at + 1])) << 8 |
           static_cast<unsigned>(static_cast<unsigned char>(f[at + 2])) << 16 |
           static_cast<unsigned>(static_cast<unsigned char>(f[at + 3])) << 24;
  };
  EXPECT_EQ(f[0], 'B');
  EXPECT_EQ(f[1], 'M');
  EXPECT_EQ(u32(2), 78u);   // file size
  EXPECT_EQ(u32(10), 54u);  // pixel offset
  EXPECT_EQ(u32(18), 3u);
  EXPECT_EQ(u32(22), 2u);
  EXPECT_EQ(f[28], 24);
  const std::vector<char> bottom(f.begin() + 54, f.begin() + 66), top(f.begin() + 66, f.end());
  EXPECT_EQ(bottom, (std::vector<char>{6, 5, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(top, (std::vector<char>{3, 2, 1, 3, 2, 1, 3, 2, 1, 0, 0, 0}));
}

TEST_F(PictureFileTest, BmpThatCannotBeCreatedGivesOurError) {
  TBitmap b(4, 4);
  const std::string path = (Dir_ / "no such folder" / "Tarvelsicht_Bild.bmp").string();
  try {
    b.SaveToFile(path);
    ADD_FAILURE() << "no error";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.ErrorCode(), ENOENT);
    EXPECT_EQ(e.FileName(), path);
  }
}

}  // namespace
}  // namespace tv
