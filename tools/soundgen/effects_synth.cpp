#include "effects_synth.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <functional>
#include <numbers>

namespace morvello::soundgen {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2 * kPi;

// A small deterministic noise source, the same on every machine.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

  private:
    std::uint32_t state_;
};

// A state-variable filter; band() gives its band-pass output.
class BandPass {
  public:
    double band(double in, double centreHz, double rate, double damping) {
        const double f = 2.0 * std::sin(kPi * std::min(centreHz, rate / 6.0) / rate);
        low_ += f * band_;
        const double high = in - low_ - damping * band_;
        band_ += f * high;
        return band_;
    }

  private:
    double low_ = 0;
    double band_ = 0;
};

class LowPass {
  public:
    double next(double in, double cutoffHz, double rate) {
        const double a = 1.0 - std::exp(-kTwoPi * cutoffHz / rate);
        y_ += a * (in - y_);
        return y_;
    }

  private:
    double y_ = 0;
};

using Track = std::vector<double>;

double decay(double t, double tau) {
    return t < 0 ? 0 : std::exp(-t / tau);
}

double dampedSine(double t, double hz, double tau) {
    return t < 0 ? 0 : std::sin(kTwoPi * hz * t) * std::exp(-t / tau);
}

// Smooth edges so a segment starts and stops without a click.
void fadeEdges(Track& s, double rate) {
    const std::size_t in = static_cast<std::size_t>(0.002 * rate);
    const std::size_t out = static_cast<std::size_t>(0.006 * rate);
    for (std::size_t i = 0; i < in && i < s.size(); ++i) s[i] *= double(i) / double(in);
    for (std::size_t i = 0; i < out && i < s.size(); ++i) {
        s[s.size() - 1 - i] *= double(i) / double(out);
    }
}

// A card laid on the cloth: a short papery tap over a soft thump.
Track cardDown(std::size_t n, double rate) {
    Track s(n);
    Noise noise(0x1badcafe);
    BandPass paper;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / rate;
        const double tap = paper.band(noise.next(), 2600, rate, 1.2) * decay(t - 0.001, 0.018);
        s[i] = 0.9 * tap + 0.35 * dampedSine(t, 120, 0.012);
    }
    return s;
}

// A card flung: a swish that rises and falls while the card flutters, then lands.
Track cardFlung(std::size_t n, double rate) {
    Track s(n);
    Noise noise(0x5eed0001);
    BandPass air;
    BandPass slap;
    double flutterPhase = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / rate;
        const double flight = std::clamp(t / 1.4, 0.0, 1.0);
        const double centre = 700 + 2300 * std::sin(kPi * flight);
        const double swell = std::pow(std::sin(kPi * flight), 2.0);
        flutterPhase += kTwoPi * (28.0 - 14.0 * flight) / rate;
        const double flutter = 0.6 + 0.4 * std::sin(flutterPhase);
        const double n0 = noise.next();
        const double swish = air.band(n0, centre, rate, 0.7) * swell * flutter;
        const double landing = slap.band(n0, 1800, rate, 1.0) * decay(t - 1.55, 0.03);
        const double slide = 0.25 * n0 * decay(t - 1.58, 0.12) * (t > 1.58 ? 1 : 0);
        s[i] = 0.55 * swish + 0.8 * landing + 0.1 * slide;
    }
    return s;
}

// A knuckle on the wooden table: a few damped modes and a click.
Track knock(std::size_t n, double rate) {
    Track s(n);
    Noise noise(0x00c0ffee);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / rate;
        const double wood = 0.55 * dampedSine(t, 190, 0.045) + 0.35 * dampedSine(t, 470, 0.025) +
                            0.2 * dampedSine(t, 1130, 0.010);
        s[i] = wood + 0.3 * noise.next() * decay(t, 0.002);
    }
    return s;
}

// A card crept across the cloth: a steady, grainy rub.
Track cardCreeping(std::size_t n, double rate) {
    Track s(n);
    Noise noise(0x0badf00d);
    Noise grainNoise(0x7e57ab1e);
    LowPass rub;
    LowPass grain;
    const double length = double(n) / rate;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / rate;
        const double swell = std::min({1.0, t / 0.04, (length - t) / 0.12});
        const double g = 0.6 + 2.5 * std::abs(grain.next(grainNoise.next(), 30, rate));
        s[i] = 0.9 * rub.next(noise.next(), 1500, rate) * swell * g;
    }
    return s;
}

// A bell struck once: a few inharmonic partials dying away.
double bell(double t, double hz) {
    return 0.6 * dampedSine(t, hz, 0.35) + 0.25 * dampedSine(t, hz * 2.76, 0.12) +
           0.12 * dampedSine(t, hz * 5.4, 0.06);
}

// The chime of a tied draw: two notes, high then low.
Track tieChime(std::size_t n, double rate) {
    Track s(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / rate;
        s[i] = 0.45 * bell(t, 1046.5) + 0.45 * bell(t - 0.22, 880.0);
    }
    return s;
}

std::int16_t toPcm(double x) {
    return static_cast<std::int16_t>(std::lround(std::clamp(x, -1.0, 1.0) * 32767.0));
}

}  // namespace

std::vector<std::int16_t> synthesiseEffects(int rate) {
    using Maker = std::function<Track(std::size_t, double)>;
    const std::array<Maker, 5> makers{cardDown, cardFlung, knock, cardCreeping, tieChime};
    const auto frame = [rate](int ms) { return static_cast<std::size_t>(ms) * rate / 1000; };
    std::vector<std::int16_t> out(frame(kEffectMarks.back()));
    for (std::size_t k = 0; k < makers.size(); ++k) {
        const std::size_t from = frame(kEffectMarks[k]);
        Track sound = makers[k](frame(kEffectMarks[k + 1]) - from, rate);
        fadeEdges(sound, rate);
        std::transform(sound.begin(), sound.end(), out.begin() + static_cast<long>(from), toPcm);
    }
    return out;
}

}  // namespace morvello::soundgen
