// The JPEG reader over libjpeg. libjpeg reports errors through a callback that
// must not return; ours records the message and jumps back to the decoder
// (setjmp/longjmp, since a C++ exception may not cross libjpeg's C frames),
// which cleans up and raises our error. Warnings (corrupt data, a file that
// ends early) count as errors unless the caller reads past them: by default a
// damaged picture is not shown half grey.
#include <unistd.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>

extern "C" {
#include <jpeglib.h>
}

#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/qt/Bitmap.h"

namespace tv {

namespace {

struct TJpegErrorManager {
  jpeg_error_mgr Pub;  // first member: libjpeg sees a jpeg_error_mgr*
  std::jmp_buf Jump;
  bool IgnoreWarnings;
  char Message[JMSG_LENGTH_MAX];
};

extern "C" void JpegErrorExit(j_common_ptr Info) {
  auto* err = reinterpret_cast<TJpegErrorManager*>(Info->err);
  (*Info->err->format_message)(Info, err->Message);
  std::longjmp(err->Jump, 1);
}

extern "C" void JpegEmitMessage(j_common_ptr Info, int Level) {
  // A warning: corrupt or missing data, which libjpeg reads past.
  if (Level < 0 && !reinterpret_cast<TJpegErrorManager*>(Info->err)->IgnoreWarnings) JpegErrorExit(Info);
  // Trace messages (Level >= 0) are not shown.
}

// libjpeg-turbo's colour spaces of four bytes a pixel, one of which matches
// the picture's RGB32 (0xFFRRGGBB as a 32-bit word) byte for byte.
#ifndef JCS_EXTENSIONS
#error "the JPEG reader needs libjpeg-turbo's extended colour spaces"
#endif
constexpr J_COLOR_SPACE Rgb32ColorSpace = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// Decodes File into *Out; false with Message set on any libjpeg error or for
// a picture wider or higher than MaxSide pixels, which is refused from its
// header before anything of its size is allocated. The rows are decoded
// straight into the picture, in the format it is drawn in: libjpeg's RGB
// with the fourth byte 0xFF, no conversion and no copy. Keeps no object with
// a destructor between the setjmp and a possible longjmp.
bool DecodeJpeg(std::FILE* File, int MaxSide, TJpegWarnings Warnings, QImage* Out, char* Message) {
  jpeg_decompress_struct info;
  TJpegErrorManager err;
  err.IgnoreWarnings = Warnings == TJpegWarnings::jwIgnore;
  info.err = jpeg_std_error(&err.Pub);
  err.Pub.error_exit = JpegErrorExit;
  err.Pub.emit_message = JpegEmitMessage;
  err.Message[0] = '\0';
  if (setjmp(err.Jump) != 0) {
    jpeg_destroy_decompress(&info);
    std::memcpy(Message, err.Message, JMSG_LENGTH_MAX);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, File);
  jpeg_read_header(&info, TRUE);
  if (info.image_width > static_cast<JDIMENSION>(MaxSide) || info.image_height > static_cast<JDIMENSION>(MaxSide)) {
    std::snprintf(Message, JMSG_LENGTH_MAX, "picture of %u x %u pixels exceeds the limit of %d on a side",
                  static_cast<unsigned>(info.image_width), static_cast<unsigned>(info.image_height), MaxSide);
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = Rgb32ColorSpace;  // 24 bits of colour; greyscale is widened
  info.scale_num = 1;
  info.scale_denom = 1;
  info.dct_method = JDCT_FLOAT;     // the floating-point inverse DCT
  info.do_block_smoothing = TRUE;   // smooths the blocks of a progressive picture's early scans
  jpeg_start_decompress(&info);
  const int w = static_cast<int>(info.output_width);
  const int h = static_cast<int>(info.output_height);
  *Out = MakePicture(w, h);
  if (Out->isNull() || info.output_components != 4) {
    std::snprintf(Message, JMSG_LENGTH_MAX, "cannot hold a picture of %d x %d pixels", w, h);
    jpeg_destroy_decompress(&info);
    return false;
  }
  uchar* const rows = Out->bits();
  const qsizetype stride = Out->bytesPerLine();
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = rows + stride * static_cast<qsizetype>(info.output_scanline);
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

QImage ReadJpegFile(const std::string& FileName, int MaxSide, TJpegWarnings Warnings) {
  // Only a regular file: a FIFO of that name would wait for a writer for ever.
  const int fd = OpenRegularFile(FileName);
  std::FILE* f = ::fdopen(fd, "rb");
  if (f == nullptr) {
    const int code = errno;
    ::close(fd);
    throw EInOutError(code, FileName, "open");
  }
  QImage picture;
  char message[JMSG_LENGTH_MAX];
  const bool ok = DecodeJpeg(f, MaxSide < 1 ? 1 : MaxSide, Warnings, &picture, message);
  std::fclose(f);
  if (!ok) throw EInOutError(EIO, FileName, std::string("read JPEG: ") + message);
  return picture;
}

}  // namespace tv
