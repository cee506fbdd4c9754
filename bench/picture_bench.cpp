// picture_bench [N]: a 2000 x 1500 JPEG to a 128 x 96 PNG thumbnail, N times (default 20) through the
// picture control (load the file, render, write the PNG) and N times through ImageMagick's
// "convert -thumbnail 128x96" when it is installed; prints both medians and their ratio.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ui/ImageDB.h"
#include "ui/file_bytes.h"
#include "ui/jpeg_codec.h"

namespace {

constexpr int kWidth = 2000, kHeight = 1500, kThumbWidth = 128, kThumbHeight = 96;

// Gradients with a checker overlay: smooth areas and hard edges, as photographs of furniture have.
rovan::RgbaImage Pattern() {
  rovan::RgbaImage image(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      std::uint8_t* p = image.Pixel(x, y);
      const bool check = ((x / 50) + (y / 50)) % 2 == 0;
      p[0] = static_cast<std::uint8_t>(x * 255 / kWidth);
      p[1] = static_cast<std::uint8_t>(y * 255 / kHeight);
      p[2] = check ? 200 : 40;
    }
  }
  return image;
}

double MedianMilliseconds(int runs, const std::function<bool()>& action) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    if (!action()) return -1;
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "rovan-picture-bench";
  std::filesystem::create_directories(folder);
  const std::string input = (folder / "in.jpg").string();
  const std::string ours = (folder / "ours.png").string();
  const std::string theirs = (folder / "convert.png").string();
  if (!rovan::WriteFileBytes(input, rovan::EncodeJpeg(Pattern(), 90))) {
    std::fprintf(stderr, "cannot write %s\n", input.c_str());
    return 1;
  }

  const double ourTime = MedianMilliseconds(runs, [&] {
    rovan::TImageDB image;
    std::string png;
    return image.LoadFromFileDis(input) && image.GetPngStream(kThumbHeight, kThumbWidth, png) &&
           rovan::WriteFileBytes(ours, png);
  });
  std::printf("picture control: median %.2f ms over %d runs\n", ourTime, runs);

  int status = 0;
  // The distribution's binary itself when present: a wrapper script earlier on PATH would add its own
  // start-up to every run.
  const std::string convert = std::filesystem::exists("/usr/bin/convert") ? "/usr/bin/convert" : "convert";
  if (std::system(("command -v " + convert + " >/dev/null 2>&1").c_str()) == 0) {
    const std::string command = convert + " -thumbnail 128x96 '" + input + "' '" + theirs + "'";
    const double theirTime = MedianMilliseconds(runs, [&] { return std::system(command.c_str()) == 0; });
    if (theirTime < 0) {
      std::fprintf(stderr, "convert failed\n");
      status = 1;
    } else {
      std::printf("ImageMagick convert: median %.2f ms over %d runs\n", theirTime, runs);
      std::printf("ratio convert / picture control: %.1f\n", theirTime / ourTime);
    }
  } else {
    std::printf("ImageMagick convert not installed: no comparison\n");
  }
  std::filesystem::remove_all(folder);
  return ourTime < 0 ? 1 : status;
}
