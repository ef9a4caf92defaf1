// Sound effects and musics, synthesised from oscillators, filtered noise
// and plucked strings. Everything runs on a fixed random seed per sound, so
// the files are the same on every run.
#include "sound.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include "paint.hpp"  // paint::Rng

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRate = kSampleRate;

using Buffer = std::vector<double>;

Buffer Silence(double seconds) { return Buffer(static_cast<std::size_t>(seconds * kRate), 0.0); }

// Adds src into dst starting at a time, wrapping past the end when wrap is
// set (so a music's note tails flow into its start and the loop is seamless).
void Mix(Buffer& dst, const Buffer& src, double at, double gain, bool wrap = false) {
    const std::size_t start = static_cast<std::size_t>(std::max(0.0, at) * kRate);
    for (std::size_t i = 0; i < src.size(); ++i) {
        std::size_t j = start + i;
        if (j >= dst.size()) {
            if (!wrap) break;
            j %= dst.size();
        }
        dst[j] += src[i] * gain;
    }
}

double Env(double t, double attack, double decay) {
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

// One-pole low-pass and high-pass filters, the cutoff given per sample.
struct LowPass {
    double y = 0;
    double operator()(double x, double cutoff) {
        const double a = 1.0 - std::exp(-2.0 * kPi * cutoff / kRate);
        y += a * (x - y);
        return y;
    }
};
struct HighPass {
    LowPass lp;
    double operator()(double x, double cutoff) { return x - lp(x, cutoff); }
};

double Noise(paint::Rng& rng) { return rng.Unit() * 2.0 - 1.0; }

// A tone of the given length; freq(t) gives its pitch, wave its shape.
Buffer Tone(double seconds, const std::function<double(double)>& freq, const std::function<double(double)>& wave,
            const std::function<double(double)>& env) {
    Buffer b = Silence(seconds);
    double phase = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = i / kRate;
        phase += freq(t) / kRate;
        b[i] = wave(phase - std::floor(phase)) * env(t);
    }
    return b;
}

double Sine(double p) { return std::sin(2 * kPi * p); }
double Square(double p) { return p < 0.5 ? 1.0 : -1.0; }
double Saw(double p) { return 2.0 * p - 1.0; }
double Triangle(double p) { return p < 0.5 ? 4 * p - 1 : 3 - 4 * p; }

// A plucked string (Karplus-Strong): bright attack, natural decay.
Buffer Pluck(double freq, double seconds, std::uint32_t seed, double damping = 0.996) {
    paint::Rng rng(seed);
    const std::size_t period = std::max<std::size_t>(2, static_cast<std::size_t>(kRate / freq));
    std::vector<double> ring(period);
    for (double& v : ring) v = Noise(rng);
    Buffer b = Silence(seconds);
    std::size_t k = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double cur = ring[k], next = ring[(k + 1) % period];
        b[i] = cur;
        ring[k] = damping * 0.5 * (cur + next);
        k = (k + 1) % period;
    }
    // Soften the very start.
    for (std::size_t i = 0; i < std::min<std::size_t>(40, b.size()); ++i) b[i] *= i / 40.0;
    return b;
}

// Filtered noise burst: cutoff(t) shapes the colour, env(t) the loudness.
Buffer NoiseBurst(double seconds, std::uint32_t seed, const std::function<double(double)>& cutoff,
                  const std::function<double(double)>& env, double highPass = 20) {
    paint::Rng rng(seed);
    Buffer b = Silence(seconds);
    LowPass lp, lp2;
    HighPass hp;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = i / kRate;
        const double c = cutoff(t);
        b[i] = hp(lp2(lp(Noise(rng), c), c), highPass) * env(t);
    }
    return b;
}

// Fades the first and last few milliseconds so effects start and end silent.
void Fade(Buffer& b, double in = 0.002, double out = 0.02) {
    const std::size_t ni = static_cast<std::size_t>(in * kRate), no = static_cast<std::size_t>(out * kRate);
    for (std::size_t i = 0; i < ni && i < b.size(); ++i) b[i] *= double(i) / ni;
    for (std::size_t i = 0; i < no && i < b.size(); ++i) b[b.size() - 1 - i] *= double(i) / no;
}

// Scales to the given peak and converts to 16-bit.
std::vector<std::int16_t> ToPcm(const Buffer& b, double peak = 0.85) {
    double m = 1e-9;
    for (double v : b) m = std::max(m, std::fabs(v));
    std::vector<std::int16_t> out(b.size());
    for (std::size_t i = 0; i < b.size(); ++i)
        out[i] = static_cast<std::int16_t>(std::lround(std::clamp(b[i] / m * peak, -1.0, 1.0) * 32000.0));
    return out;
}

// ---- Effects ---------------------------------------------------------------

// A gunshot: a sharp crack of noise over a short low body.
Buffer Shot(std::uint32_t seed, double pitch) {
    Buffer b = NoiseBurst(0.35, seed, [](double t) { return 9000 * std::exp(-t * 18) + 300; },
                          [](double t) { return Env(t, 0.001, 0.05); });
    Mix(b, Tone(0.3, [pitch](double t) { return pitch * (1 + 2 * std::exp(-t * 40)); }, Sine,
                [](double t) { return Env(t, 0.001, 0.06); }),
        0, 0.9);
    return b;
}

// Automatic fire: n quick shots.
Buffer Burst(int n, std::uint32_t seed) {
    Buffer b = Silence(0.35 + 0.09 * (n - 1));
    for (int i = 0; i < n; ++i) Mix(b, Shot(seed + i, 110 + 8 * i), 0.09 * i, 1.0 - 0.08 * i);
    return b;
}

// Metal ringing: a few inharmonic partials with a slow decay.
Buffer Ring(double base, double seconds, double decay) {
    Buffer b = Silence(seconds);
    const double partials[][2] = {{1.0, 1.0}, {2.76, 0.5}, {5.40, 0.3}, {8.93, 0.15}};
    for (const auto& p : partials)
        Mix(b, Tone(seconds, [&](double) { return base * p[0]; }, Sine,
                    [&](double t) { return Env(t, 0.002, decay / p[0] * 1.5); }),
            0, p[1]);
    return b;
}

// A blade through the air: band-passed noise sweeping up.
Buffer Swish(double seconds, std::uint32_t seed, double from, double to) {
    return NoiseBurst(seconds, seed, [=](double t) { return from + (to - from) * t / seconds; },
                      [=](double t) { return std::sin(kPi * t / seconds) * std::sin(kPi * t / seconds); }, from * 0.6);
}

Buffer AnchorFall() {
    Buffer b = Silence(1.6);
    paint::Rng rng(11);
    // The chain running out: a rattle of small metal clicks, speeding up.
    double t = 0;
    for (int i = 0; t < 0.7; ++i) {
        Mix(b, Ring(900 + rng.Range(0, 500), 0.08, 0.015), t, 0.25);
        t += 0.05 - 0.03 * (t / 0.7);
    }
    // The anchor hits: a deep thud, a clang and a splash of sand and water.
    Mix(b, Tone(0.8, [](double t) { return 55 + 60 * std::exp(-t * 12); }, Sine,
                [](double t) { return Env(t, 0.002, 0.25); }),
        0.72, 1.2);
    Mix(b, Ring(180, 0.8, 0.2), 0.72, 0.5);
    Mix(b, NoiseBurst(0.8, 12, [](double t) { return 2500 * std::exp(-t * 4) + 200; },
                      [](double t) { return Env(t, 0.01, 0.2); }),
        0.72, 0.6);
    return b;
}

Buffer Bumper() {
    // A springy boing: a pitch that wobbles and settles.
    return Tone(0.6, [](double t) { return 180 * (1 + 0.5 * std::exp(-t * 6) * std::sin(2 * kPi * 14 * t)) + 60 * t; },
                [](double p) { return 0.8 * Sine(p) + 0.2 * Triangle(p); },
                [](double t) { return Env(t, 0.003, 0.18); });
}

Buffer Explosion() {
    Buffer b = NoiseBurst(1.8, 21, [](double t) { return 5000 * std::exp(-t * 3) + 120; },
                          [](double t) { return Env(t, 0.004, 0.45); });
    Mix(b, Tone(1.2, [](double t) { return 40 + 80 * std::exp(-t * 8); }, Sine,
                [](double t) { return Env(t, 0.003, 0.35); }),
        0, 1.3);
    // Debris crackle.
    paint::Rng rng(22);
    for (int i = 0; i < 25; ++i) {
        const double at = 0.15 + rng.Unit() * 1.0;
        Mix(b, NoiseBurst(0.03, 100 + i, [](double) { return 6000; }, [](double t) { return Env(t, 0.001, 0.006); }),
            at, 0.25 * (1.2 - at));
    }
    return b;
}

Buffer Knife() {
    Buffer b = Swish(0.22, 31, 2500, 7000);
    Mix(b, Ring(3100, 0.35, 0.06), 0.16, 0.35);
    return b;
}

Buffer ParrotShot() {
    // A squawk (nasal, wobbling) and a spat "pew".
    Buffer b = Tone(0.16, [](double t) { return 1300 + 500 * std::sin(2 * kPi * 38 * t) - 1500 * t; },
                    [](double p) { return 0.6 * Saw(p) + 0.4 * Square(p); },
                    [](double t) { return Env(t, 0.005, 0.06); });
    LowPass lp;
    for (double& v : b) v = lp(v, 3000);
    Mix(b, Tone(0.22, [](double t) { return 1800 * std::exp(-t * 9) + 300; }, Square,
                [](double t) { return Env(t, 0.002, 0.05); }),
        0.12, 0.5);
    b.resize(b.size() + static_cast<std::size_t>(0.02 * kRate), 0.0);
    return b;
}

Buffer SwordCenter() {
    Buffer b = Swish(0.3, 41, 1500, 5000);
    Mix(b, Ring(1250, 0.7, 0.18), 0.22, 0.6);  // the "shing" of the blade
    Mix(b, Ring(1870, 0.6, 0.12), 0.22, 0.3);
    b.resize(static_cast<std::size_t>(0.95 * kRate), 0.0);
    return b;
}

Buffer Tentacles() {
    // Wet, squelching slides: low noise pulsed by a slow wobble, and a groan.
    Buffer b = NoiseBurst(1.3, 51, [](double t) { return 500 + 400 * std::sin(2 * kPi * 5 * t); },
                          [](double t) { return (0.5 + 0.5 * std::sin(2 * kPi * 7 * t)) * Env(t, 0.08, 0.5); });
    Mix(b, Tone(1.2, [](double t) { return 75 + 30 * std::sin(2 * kPi * 2.5 * t); }, Saw,
                [](double t) { return Env(t, 0.15, 0.4) * 0.5; }),
        0, 0.6);
    LowPass lp;
    for (double& v : b) v = lp(v, 1200);
    return b;
}

Buffer Wind() {
    // A gust: noise whose colour drifts, swelling and dying.
    const double len = 2.2;
    return NoiseBurst(len, 61, [](double t) { return 500 + 400 * std::sin(2 * kPi * 0.8 * t) + 250 * std::sin(2 * kPi * 2.3 * t); },
                      [len](double t) { return std::pow(std::sin(kPi * t / len), 1.5); }, 150);
}

Buffer Zap() {
    // Electric crackle: a buzzing square that jitters in pitch, with sparks.
    paint::Rng rng(71);
    std::vector<double> jitter(64);
    for (double& j : jitter) j = rng.Unit();
    Buffer b = Tone(0.45, [&](double t) { return 220 + 900 * jitter[static_cast<std::size_t>(t * 140) % 64]; }, Square,
                    [](double t) { return Env(t, 0.002, 0.12); });
    Mix(b, NoiseBurst(0.45, 72, [](double) { return 8000; },
                      [&](double t) { return Env(t, 0.001, 0.1) * (jitter[static_cast<std::size_t>(t * 300) % 64] > 0.6); }),
        0, 0.6);
    return b;
}

// ---- Music -------------------------------------------------------------------

double Midi(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// A squeezebox-like reed: two detuned pulses, softened, with a gentle swell.
Buffer Reed(int note, double seconds) {
    const double f = Midi(note);
    Buffer b = Tone(seconds + 0.15, [f](double t) { return f * (1 + 0.003 * std::sin(2 * kPi * 5 * t)); },
                    [](double p) { return p < 0.3 ? 1.0 : -0.43; },
                    [seconds](double t) { return std::min(1.0, t / 0.04) * (t < seconds ? 1.0 : std::exp(-(t - seconds) / 0.04)); });
    Buffer c = Tone(seconds + 0.15, [f](double) { return f * 1.004; }, Saw,
                    [seconds](double t) { return std::min(1.0, t / 0.05) * (t < seconds ? 1.0 : std::exp(-(t - seconds) / 0.04)); });
    Mix(b, c, 0, 0.5);
    LowPass lp, lp2;
    for (double& v : b) v = lp2(lp(v, 2200), 2600);
    return b;
}

Buffer Bass(int note, double seconds) {
    const double f = Midi(note);
    return Tone(seconds + 0.1, [f](double) { return f; }, [](double p) { return 0.7 * Sine(p) + 0.3 * Triangle(p); },
                [seconds](double t) { return std::min(1.0, t / 0.01) * (t < seconds ? std::exp(-t / 1.5) : std::exp(-seconds / 1.5 - (t - seconds) / 0.03)); });
}

Buffer Kick() {
    return Tone(0.3, [](double t) { return 50 + 120 * std::exp(-t * 30); }, Sine,
                [](double t) { return Env(t, 0.001, 0.09); });
}
Buffer Snare(std::uint32_t seed) {
    Buffer b = NoiseBurst(0.2, seed, [](double) { return 6000; }, [](double t) { return Env(t, 0.001, 0.05); }, 800);
    Mix(b, Tone(0.1, [](double) { return 190; }, Triangle, [](double t) { return Env(t, 0.001, 0.03); }), 0, 0.5);
    return b;
}
Buffer Hat(std::uint32_t seed) {
    return NoiseBurst(0.05, seed, [](double) { return 11000; }, [](double t) { return Env(t, 0.0005, 0.012); }, 6000);
}

// Chords of the tune, one per bar, as root notes of D minor: Dm C Dm Am, Dm F C Dm.
constexpr int kRoots[] = {50, 48, 50, 45, 50, 53, 48, 50};
// Is the chord on this root minor?
bool Minor(int root) { return root == 50 || root == 45; }

// The melody: per bar, six steps (6/8) as notes, 0 for a rest, -1 to hold
// the previous note. D dorian; the second half answers the first.
constexpr int kShanty[16][6] = {
    {62, -1, 65, 69, -1, 67}, {64, -1, 60, 64, -1, 67}, {65, -1, 64, 62, -1, 65}, {64, -1, -1, 0, 0, 57},
    {62, -1, 65, 69, -1, 72}, {72, -1, 69, 65, -1, 69}, {67, -1, 64, 60, -1, 64}, {62, -1, -1, 0, 0, 0},
    {69, -1, 67, 65, -1, 62}, {64, -1, 67, 64, -1, 60}, {62, -1, 65, 69, -1, 65}, {64, -1, 61, 57, -1, 0},
    {62, 64, 65, 69, -1, 72}, {69, -1, 65, 72, -1, 69}, {67, -1, 64, 60, 62, 64}, {62, -1, -1, -1, 0, 0},
};

Buffer MenuMusic() {
    // A calm shanty in 6/8: eighth = 0.333 s, bar = 2 s, 16 bars = 32 s.
    const double eighth = 1.0 / 3.0, bar = 6 * eighth;
    Buffer out = Silence(16 * bar);
    for (int b = 0; b < 16; ++b) {
        const int root = kRoots[b % 8];
        const double t0 = b * bar;
        // Bass on the two dotted-quarter beats.
        Mix(out, Bass(root - 12, 3 * eighth * 0.95), t0, 0.5, true);
        Mix(out, Bass(root - 5, 3 * eighth * 0.95), t0 + 3 * eighth, 0.35, true);
        // Plucked arpeggio of the chord on every eighth.
        const int third = Minor(root) ? 3 : 4;
        const int arp[6] = {0, 7, 12, third + 12, 7, 12};
        for (int s = 0; s < 6; ++s)
            Mix(out, Pluck(Midi(root + arp[s]), 1.2, 1000 + b * 6 + s), t0 + s * eighth, 0.16, true);
        // The reed melody.
        for (int s = 0; s < 6; ++s) {
            const int note = kShanty[b][s];
            if (note <= 0) continue;
            int len = 1;
            while (s + len < 6 && kShanty[b][s + len] == -1) ++len;
            Mix(out, Reed(note, len * eighth * 0.92), t0 + s * eighth, 0.22, true);
        }
    }
    // The sea: a slow, quiet swell of filtered noise. It is made half a
    // second longer than the loop and its extra tail is cross-faded into its
    // head, so the noise runs on seamlessly when the music loops.
    const std::size_t n = out.size(), xf = static_cast<std::size_t>(0.5 * kRate);
    const double len = n / kRate;
    Buffer sea = NoiseBurst(len + 0.5, 90, [](double) { return 700; },
                            [len](double t) { return 0.5 + 0.5 * std::sin(2 * kPi * t * 4 / len); }, 100);
    for (std::size_t i = 0; i < xf; ++i) {
        const double w = double(i) / xf;
        sea[i] = sea[i] * w + sea[n + i] * (1 - w);
    }
    sea.resize(n);
    Mix(out, sea, 0, 0.05);
    return out;
}

Buffer GameMusic() {
    // A driving reel in 4/4 at 140 bpm: bar = 1.714 s, 20 bars = 34.3 s.
    const double beat = 60.0 / 140.0, bar = 4 * beat, sixteenth = beat / 4;
    constexpr int kBars = 20;
    Buffer out = Silence(kBars * bar);
    // Melody steps (eighths) per bar, transposed to each chord.
    const int riff[2][8] = {{0, 3, 7, 3, 10, 7, 3, 7}, {12, 10, 7, 5, 7, 3, 5, 7}};
    for (int b = 0; b < kBars; ++b) {
        const int root = kRoots[b % 8];
        const double t0 = b * bar;
        const bool intro = b < 2;  // drums and bass only for two bars
        for (int q = 0; q < 4; ++q) {
            Mix(out, Kick(), t0 + q * beat, 0.9, true);
            if (q % 2 == 1) Mix(out, Snare(300 + b * 4 + q), t0 + q * beat, 0.5, true);
        }
        for (int s = 0; s < 16; ++s)
            Mix(out, Hat(500 + b * 16 + s), t0 + s * sixteenth, s % 2 ? 0.12 : 0.2, true);
        // Pumping eighth-note bass.
        for (int e = 0; e < 8; ++e) Mix(out, Bass(root - 12 + (e % 4 == 3 ? 7 : 0), beat / 2 * 0.8), t0 + e * beat / 2, 0.55, true);
        if (intro) continue;
        // A fiddle-like lead: the riff on the chord, the second half varied.
        const int third = Minor(root) ? 3 : 4;
        for (int e = 0; e < 8; ++e) {
            int step = riff[(b / 4) % 2][e];
            if (step == 3) step = third;
            Mix(out, Reed(root + 12 + step, beat / 2 * 0.8), t0 + e * beat / 2, 0.2, true);
        }
        // Off-beat chord stabs.
        for (int q = 0; q < 4; ++q)
            for (int n : {0, third, 7}) Mix(out, Pluck(Midi(root + n), 0.4, 2000 + b * 12 + q * 3 + n), t0 + q * beat + beat / 2, 0.07, true);
    }
    return out;
}

using Recipe = std::function<Buffer()>;

const std::map<std::string, Recipe, std::less<>>& Recipes() {
    static const std::map<std::string, Recipe, std::less<>> recipes = {
        {"Assets/Sounds/Sounds/AnchorFall.wav", AnchorFall},
        {"Assets/Sounds/Sounds/Auto1.wav", [] { return Burst(1, 81); }},
        {"Assets/Sounds/Sounds/Auto2.wav", [] { return Burst(2, 82); }},
        {"Assets/Sounds/Sounds/Auto3.wav", [] { return Burst(3, 83); }},
        {"Assets/Sounds/Sounds/Auto4.wav", [] { return Burst(4, 84); }},
        {"Assets/Sounds/Sounds/Bumper.wav", Bumper},
        {"Assets/Sounds/Sounds/Explosion.wav", Explosion},
        {"Assets/Sounds/Sounds/Knife.wav", Knife},
        {"Assets/Sounds/Sounds/ParrotShot.wav", ParrotShot},
        {"Assets/Sounds/Sounds/Pistol.wav", [] { return Shot(91, 130); }},
        {"Assets/Sounds/Sounds/SwordCenter.wav", SwordCenter},
        {"Assets/Sounds/Sounds/Tentacles.wav", Tentacles},
        {"Assets/Sounds/Sounds/Wind.wav", Wind},
        {"Assets/Sounds/Sounds/Zap.wav", Zap},
        {"Assets/Sounds/Musics/Menu.wav", MenuMusic},
        {"Assets/Sounds/Musics/Game.wav", GameMusic},
    };
    return recipes;
}

}  // namespace

std::vector<std::int16_t> SynthesiseAudio(const AssetEntry& entry) {
    const auto it = Recipes().find(entry.path);
    if (it == Recipes().end()) throw std::runtime_error("no sound recipe for this file");
    Buffer b = it->second();
    if (entry.kind == AssetKind::Sound) Fade(b);
    return ToPcm(b, entry.kind == AssetKind::Music ? 0.8 : 0.9);
}
