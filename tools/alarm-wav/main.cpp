// Writes the alarm sound the program plays for urgency and distress traffic: a two-tone signal,
// 16-bit mono PCM at 22050 Hz, four alternating tones of 880 Hz and 660 Hz of 0.2 s each, with
// short ramps so that no tone clicks. The output is the same on every run.
//   tidepost-alarm-wav <file>      (the project keeps its result as resources/alarm.wav)
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kToneSeconds = 0.2;
constexpr double kRampSeconds = 0.01;
constexpr double kAmplitude = 0.6 * 32767;
constexpr double kTones[] = {880.0, 660.0, 880.0, 660.0};

void PutLe(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFF));
}

std::vector<std::int16_t> Samples() {
    std::vector<std::int16_t> samples;
    const int perTone = static_cast<int>(kRate * kToneSeconds);
    const int ramp = static_cast<int>(kRate * kRampSeconds);
    for (double frequency : kTones) {
        for (int n = 0; n < perTone; ++n) {
            double gain = 1.0;
            if (n < ramp) gain = double(n) / ramp;
            else if (n >= perTone - ramp) gain = double(perTone - 1 - n) / ramp;
            const double value = kAmplitude * gain * std::sin(2.0 * M_PI * frequency * n / kRate);
            samples.push_back(static_cast<std::int16_t>(std::lround(value)));
        }
    }
    return samples;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: tidepost-alarm-wav <file>\n", stderr);
        return 2;
    }
    const std::vector<std::int16_t> samples = Samples();
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<unsigned char> out;
    for (char c : {'R', 'I', 'F', 'F'}) out.push_back(static_cast<unsigned char>(c));
    PutLe(out, 36 + dataBytes, 4);
    for (char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '}) out.push_back(static_cast<unsigned char>(c));
    PutLe(out, 16, 4);         // format chunk size
    PutLe(out, 1, 2);          // PCM
    PutLe(out, 1, 2);          // mono
    PutLe(out, kRate, 4);
    PutLe(out, kRate * 2, 4);  // bytes a second
    PutLe(out, 2, 2);          // bytes a frame
    PutLe(out, 16, 2);         // bits a sample
    for (char c : {'d', 'a', 't', 'a'}) out.push_back(static_cast<unsigned char>(c));
    PutLe(out, dataBytes, 4);
    for (std::int16_t s : samples) PutLe(out, static_cast<std::uint16_t>(s), 2);

    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    if (std::fclose(file) != 0 || !written) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
