// Writes the program's sounds as small PCM wave files. Every sound is
// synthesised here from sine tones, so the program ships nothing it did not
// make itself.
//
// usage: make_sounds <folder>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int sampleRate = 22050;
constexpr double pi = 3.14159265358979323846;

struct Note {
    double hertz; // 0 = silence
    double seconds;
    double volume; // 0..1
};

// One note: a sine with its first overtone, a short attack and an
// exponential decay so that it does not click.
void appendNote(std::vector<int16_t> &samples, const Note &note)
{
    const int count = static_cast<int>(note.seconds * sampleRate);
    const int attack = std::max(1, sampleRate / 400);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        double envelope = std::exp(-3.0 * t / note.seconds);
        if (i < attack)
            envelope *= static_cast<double>(i) / attack;
        if (count - i < attack)
            envelope *= static_cast<double>(count - i) / attack;
        double value = 0.0;
        if (note.hertz > 0.0) {
            value = std::sin(2.0 * pi * note.hertz * t) + 0.3 * std::sin(4.0 * pi * note.hertz * t);
            value /= 1.3;
        }
        samples.push_back(static_cast<int16_t>(value * envelope * note.volume * 30000.0));
    }
}

void put32(std::ofstream &out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xff));
}

void put16(std::ofstream &out, uint16_t value)
{
    out.put(static_cast<char>(value & 0xff));
    out.put(static_cast<char>(value >> 8));
}

bool writeWave(const std::filesystem::path &path, const std::vector<Note> &notes)
{
    std::vector<int16_t> samples;
    for (const Note &note : notes)
        appendNote(samples, note);
    std::ofstream out(path, std::ios::binary);
    if (!out)
        return false;
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, sampleRate);
    put32(out, sampleRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (int16_t sample : samples)
        put16(out, static_cast<uint16_t>(sample));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);

    const struct {
        const char *name;
        std::vector<Note> notes;
    } sounds[] = {
        {"click2", {{1800, 0.03, 0.5}}},
        {"sloos1", {{784, 0.12, 0.6}, {1047, 0.25, 0.6}}},
        {"\xd0\xbd\xd0\xb5\xd1\x82", {{220, 0.15, 0.7}, {165, 0.3, 0.7}}}, // нет
        {"error", {{440, 0.08, 0.6}, {0, 0.03, 0}, {440, 0.08, 0.6}}},
        {"SUCCESS", {{523, 0.12, 0.6}, {659, 0.12, 0.6}, {784, 0.12, 0.6}, {1047, 0.4, 0.6}}},
        {"FANFAR08", {{392, 0.2, 0.6}, {370, 0.2, 0.6}, {349, 0.2, 0.6}, {330, 0.6, 0.6}}},
        {"\xd1\x81\xd0\xbf\xd0\xb0\xd1\x81\xd0\xb8\xd0\xb1\xd0\xbe", // спасибо
         {{659, 0.15, 0.5}, {784, 0.15, 0.5}, {659, 0.35, 0.5}}},
    };
    for (const auto &sound : sounds) {
        if (!writeWave(folder / (std::string(sound.name) + ".wav"), sound.notes)) {
            std::fprintf(stderr, "cannot write %s\n", sound.name);
            return 1;
        }
    }
    return 0;
}
