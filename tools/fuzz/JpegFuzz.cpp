// libFuzzer target for the JPEG reader: arbitrary bytes as the background
// picture. Checks that reading never crashes, never leaks and never ends the
// program, and that it either gives a picture of the file's size within the
// side limit, every pixel readable, or raises the reader's usual error (EIO
// with the file's name). The bytes reach the reader as a regular file in
// memory. Run by `make fuzz`, seeded with the background picture and
// tools/fuzz/jpeg-seeds/.
#include <sys/mman.h>
#include <unistd.h>

#include <QImage>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "platform/Errors.h"
#include "platform/qt/Bitmap.h"

namespace {

// Above the background picture's 2000 pixels, far below the program's limit:
// large enough for the real picture, small enough that a decoded picture
// stays within the fuzzer's memory limit.
constexpr int MaxSide = 2048;

int File = -1;
std::string FileName;
volatile std::uint32_t PixelSum = 0;  // keeps the reading of the pixels

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "jpeg fuzz: %s\n", what.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  File = memfd_create("jpeg-fuzz", MFD_CLOEXEC);
  if (File < 0) Fail("no file in memory");
  FileName = "/proc/self/fd/" + std::to_string(File);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (ftruncate(File, 0) != 0) Fail("cannot empty the file");
  for (std::size_t done = 0; done < size;) {
    const ssize_t n = pwrite(File, data + done, size - done, static_cast<off_t>(done));
    if (n <= 0) Fail("cannot write the file");
    done += static_cast<std::size_t>(n);
  }

  try {
    const QImage picture = tv::ReadJpegFile(FileName, MaxSide);
    if (picture.isNull() || picture.width() < 1 || picture.height() < 1 || picture.width() > MaxSide ||
        picture.height() > MaxSide)
      Fail("picture of an impossible size");
    if (picture.format() != QImage::Format_RGB32) Fail("picture not in RGB32");
    // Every pixel written by the decoder is readable.
    std::uint32_t sum = 0;
    for (int y = 0; y < picture.height(); ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
      for (int x = 0; x < picture.width(); ++x) sum += line[x];
    }
    PixelSum = sum;
  } catch (const tv::EInOutError& e) {
    if (e.ErrorCode() != EIO) Fail(std::string("unexpected error number: ") + e.what());
    if (e.FileName() != FileName) Fail(std::string("error without the file's name: ") + e.what());
  } catch (const std::exception& e) {
    Fail(std::string("unexpected error: ") + e.what());
  }
  return 0;
}
