#include "platform/qt/Bitmap.h"

#include <sys/mman.h>

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace tv {

namespace {

// The size of a huge page, and the least picture that takes its memory in them.
constexpr std::uint64_t HugePageBytes = std::uint64_t{2} << 20;

void FreePicture(void* Block) { std::free(Block); }

}  // namespace

QImage MakePicture(int Width, int Height) {
  if (Width <= 0 || Height <= 0) return QImage();
  const std::uint64_t bytes = static_cast<std::uint64_t>(Width) * static_cast<std::uint64_t>(Height) * 4u;
  if (bytes < HugePageBytes) return QImage(Width, Height, QImage::Format_RGB32);
  const std::uint64_t size = (bytes + HugePageBytes - 1) / HugePageBytes * HugePageBytes;
  if (size > SIZE_MAX) return QImage();
  void* block = std::aligned_alloc(HugePageBytes, size);
  if (block == nullptr) return QImage();
  ::madvise(block, size, MADV_HUGEPAGE);  // a request: refused, the pages are ordinary ones
  return QImage(static_cast<uchar*>(block), Width, Height, static_cast<qsizetype>(Width) * 4, QImage::Format_RGB32,
                FreePicture, block);
}

TBitmap::TBitmap(int Width, int Height) {
  Canvas_.AntialiasText = false;
  SetSize(Width, Height);
}

TBitmap::~TBitmap() { End(); }

void TBitmap::Begin() {
  // An empty bitmap still serves as a copy source (it copies as black).
  if (Image_.isNull()) {
    Canvas_.Attach(nullptr, &Image_);
    return;
  }
  Painter_.begin(&Image_);
  Canvas_.Attach(&Painter_, &Image_);
}

void TBitmap::End() {
  Canvas_.Detach();
  if (Painter_.isActive()) Painter_.end();
}

void TBitmap::SetSize(int Width, int Height) {
  End();
  Image_ = QImage();
  if (Width > 0 && Height > 0) {
    Image_ = MakePicture(Width, Height);
    Image_.fill(Qt::black);
  }
  Begin();
}

void TBitmap::FillBlack() {
  End();
  Image_.fill(Qt::black);
  Begin();
}

void TBitmap::Assign(QImage Picture) {
  End();
  // The painter takes a picture that nothing else holds as it is.
  if (Picture.format() == QImage::Format_RGB32)
    Image_ = std::move(Picture);
  else
    Image_ = Picture.convertToFormat(QImage::Format_RGB32);
  Begin();
}

TColor TBitmap::Pixel(int X, int Y) const {
  if (!Image_.valid(X, Y)) return 0xFFFFFFFFu;
  const QRgb p = Image_.pixel(X, Y);
  return RGBColor(qRed(p), qGreen(p), qBlue(p));
}

void TBitmap::SaveToFile(const std::string& FileName) const { WriteBmpFile(Image_, FileName); }

void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  // Tests, benchmarks and tools never show a window: they draw without a
  // display unless QT_QPA_PLATFORM names a platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tarvelsicht";
  static char* argv[] = {name, nullptr};
  new QGuiApplication(argc, argv);  // lives until the process ends
}

}  // namespace tv
