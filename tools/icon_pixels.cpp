// Turns the window icon's rendered PNGs into C++ arrays of ARGB32 pixels,
// for the build: the program then shows its icon without decoding a PNG, and
// without Qt looking through its image format plugins for a reader.
//   velmora-icon-pixels OUTPUT.cpp PNG...
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: velmora-icon-pixels OUTPUT.cpp PNG...\n");
    return 64;
  }
  std::FILE* out = std::fopen(argv[1], "w");
  if (out == nullptr) return 1;
  std::fprintf(out,
               "// Made by velmora-icon-pixels from the rendered icon; not to be edited.\n"
               "#include \"app/app_icon.h\"\n\nnamespace app_icon {\nnamespace {\n\n");
  QList<int> sizes;
  for (int i = 2; i < argc; ++i) {
    const QImage image =
        QImage(QString::fromLocal8Bit(argv[i])).convertToFormat(QImage::Format_ARGB32);
    if (image.isNull() || image.width() != image.height()) {
      std::fprintf(stderr, "velmora-icon-pixels: %s is no square image\n", argv[i]);
      return 1;
    }
    sizes << image.width();
    std::fprintf(out, "constexpr std::uint32_t k%d[] = {", image.width());
    for (int y = 0; y < image.height(); ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        std::fprintf(out, "%s0x%08x", y + x > 0 ? ", " : "", row[x]);
      }
    }
    std::fprintf(out, "};\n");
  }
  std::fprintf(out, "constexpr Pixels kSizes[] = {");
  for (int size : sizes) std::fprintf(out, "{%d, k%d}, ", size, size);
  std::fprintf(out,
               "};\n\n}  // namespace\n\nconst std::span<const Pixels> kWindowIcon = kSizes;\n\n"
               "}  // namespace app_icon\n");
  return std::fclose(out) == 0 ? 0 : 1;
}
