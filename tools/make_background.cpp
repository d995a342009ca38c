// Renders the chart's background picture: a quiet radial night-sky gradient,
// deep blue at the zenith (the centre) fading to near black at the horizon
// circle (radius 948 of 2000 x 2000) and black beyond. No stars.
//
//   make_background OUT.jpg [QUALITY]
#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>  // needs FILE and size_t declared first

namespace {

constexpr int kSize = 2000;
constexpr double kCentre = 1000.0;
constexpr double kHorizon = 948.0;

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void OnError(j_common_ptr info) {
  char text[JMSG_LENGTH_MAX];
  (*info->err->format_message)(info, text);
  std::fprintf(stderr, "make_background: %s\n", text);
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Colour at relative zenith distance r (0 zenith, 1 horizon).
void SkyColour(double r, unsigned char* rgb) {
  const double zenith[3] = {14.0, 26.0, 72.0};
  const double horizon[3] = {3.0, 5.0, 14.0};
  const double t = std::pow(std::clamp(r, 0.0, 1.0), 1.6);
  for (int i = 0; i < 3; ++i) {
    const double v = r > 1.0 ? 0.0 : zenith[i] + (horizon[i] - zenith[i]) * t;
    rgb[i] = static_cast<unsigned char>(std::lround(v));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: make_background OUT.jpg [QUALITY]\n");
    return 2;
  }
  const int quality = argc == 3 ? std::atoi(argv[2]) : 90;
  std::FILE* out = std::fopen(argv[1], "wb");
  if (!out) {
    std::perror(argv[1]);
    return 1;
  }

  jpeg_compress_struct info{};
  ErrorManager error{};
  info.err = jpeg_std_error(&error.base);
  error.base.error_exit = OnError;
  std::vector<unsigned char> row(kSize * 3);
  if (setjmp(error.jump)) {
    jpeg_destroy_compress(&info);
    std::fclose(out);
    return 1;
  }
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, out);
  info.image_width = kSize;
  info.image_height = kSize;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  info.optimize_coding = TRUE;
  jpeg_start_compress(&info, TRUE);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const double r = std::hypot(x + 0.5 - kCentre, y + 0.5 - kCentre) / kHorizon;
      SkyColour(r, &row[x * 3]);
    }
    JSAMPROW line = row.data();
    jpeg_write_scanlines(&info, &line, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  if (std::fclose(out) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
