// A picture with a canvas: an RGB32 QImage, a painter that stays active on it
// and a TQtCanvas over that painter, whose pen, brush, font and stretch mode
// persist for the bitmap's life (also across SetSize). Shapes and text are
// painted without antialiasing. Also the picture files: JPEG in, 24-bit BMP out.
#pragma once

#include <QImage>
#include <QPainter>
#include <string>

#include "platform/qt/QtCanvas.h"

namespace tv {

class TBitmap {
 public:
  // A black picture of Width x Height pixels (none when either is 0).
  explicit TBitmap(int Width = 0, int Height = 0);
  ~TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  // A new black picture of that size; the canvas keeps its settings.
  void SetSize(int Width, int Height);
  // Every pixel black; the size and the canvas's settings stay.
  void FillBlack();
  // Takes Picture as the picture, at its size: converted to RGB32 when it is
  // in another format; an RGB32 picture handed over (moved) becomes the
  // picture without a copy.
  void Assign(QImage Picture);

  int Width() const { return Image_.width(); }
  int Height() const { return Image_.height(); }
  TQtCanvas& Canvas() { return Canvas_; }
  const QImage& Image() const { return Image_; }

  // The colour of one pixel as 0x00BBGGRR; 0xFFFFFFFF outside the picture.
  TColor Pixel(int X, int Y) const;

  // Writes the picture as a 24-bit BMP file (54-byte header, rows bottom-up,
  // each padded to 4 bytes), as WriteBmpFile does. Raises EInOutError with the
  // file name.
  void SaveToFile(const std::string& FileName) const;

 private:
  void Begin();
  void End();

  QImage Image_;
  QPainter Painter_;
  TQtCanvas Canvas_;
};

// A new RGB32 picture of Width x Height pixels, its pixels not set; null when
// either side is 0 or less or there is no memory for it. A picture of 2 MB or
// more lies in whole huge pages where the system gives them on request
// (Linux's transparent huge pages): its first use then takes a page fault
// per 2 MB instead of one per 4 KB, which is most of what making a 2000 x
// 2000 picture costs otherwise.
QImage MakePicture(int Width, int Height);

// Decodes the JPEG file FileName at full scale straight into the rows of a
// new RGB32 picture (MakePicture) of the file's size (greyscale pictures
// become grey RGB), with libjpeg's floating-point inverse DCT and block
// smoothing. Only a regular file is opened, never waiting: a folder raises
// EInOutError with EISDIR, a FIFO, device or socket with EINVAL, a file that
// cannot be opened with its errno. A file that is not a JPEG raises
// EInOutError (EIO) with libjpeg's message, and so does a picture wider or
// higher than MaxSide pixels, refused from its header before its pixels are
// allocated. Corrupt data and a file that ends early raise the same error
// with jwFail; with jwIgnore the decoder reads past them as libjpeg does
// (missing rows come out grey). Every error carries the file name. Never ends
// the program.
enum class TJpegWarnings { jwFail, jwIgnore };
QImage ReadJpegFile(const std::string& FileName, int MaxSide = 16384,
                    TJpegWarnings Warnings = TJpegWarnings::jwFail);

// Writes Image as a 24-bit BMP file, through a temporary file beside it that
// replaces the file once it is whole (see TFileReplacement); EInOutError with
// the file name when it cannot be created or written, leaving no partial file
// and a previous file as it was.
void WriteBmpFile(const QImage& Image, const std::string& FileName);

// Creates the process's QGuiApplication when there is none yet (fonts and
// text painting need one); for tests, benchmarks and tools. It needs no
// display: the offscreen platform unless QT_QPA_PLATFORM names another.
void EnsureGuiApplication();

}  // namespace tv
