// Picture files: the JPEG reader's errors (missing, empty, not a JPEG,
// truncated, corrupt) and the 24-bit BMP writer's layout.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "CanvasTestUtil.h"
#include "platform/Errors.h"

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

TEST_F(PictureFileTest, ReadsTheBackgroundPictureAtFullSize) {
  const QImage p = ReadJpegFile(Background);
  ASSERT_EQ(p.size(), QSize(2000, 2000));
  EXPECT_EQ(p.format(), QImage::Format_RGB32);
  const QRgb zenith = p.pixel(1000, 1000);
  EXPECT_GT(qBlue(zenith), qRed(zenith) + 20);  // deep blue at the centre
  EXPECT_LT(qRed(p.pixel(5, 5)) + qGreen(p.pixel(5, 5)) + qBlue(p.pixel(5, 5)), 12);  // black corner
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
      {"folder", Dir_.string(), 0},
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
