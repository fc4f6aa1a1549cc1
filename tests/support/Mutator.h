#pragma once
// Damaged variants of a valid file for the fuzz tests of the readers: each
// is the file with one to four of the damages files come with (a byte
// changed, cut off, a stretch doubled, a stray CR, LF or NUL, a long run of
// one byte, one of the reader's own tokens where it does not belong), at
// positions that are multiples of unit (2: UTF-16 characters stay whole, so
// that few variants are refused for an odd length alone). The same seed
// gives the same variants on every run.
#include <random>
#include <string>
#include <vector>

class Mutator {
public:
    Mutator(unsigned seed, std::vector<std::string> tokens, size_t longRun, size_t unit = 1)
        : random_(seed), tokens_(std::move(tokens)), longRun_(longRun / unit * unit), unit_(unit) {}

    std::string operator()(std::string bytes) {
        for (unsigned n = 1 + random_() % 4; n > 0; --n)
            Damage(bytes);
        return bytes;
    }
    // For the test's own random choices.
    unsigned Next() { return random_(); }

private:
    size_t At(const std::string& bytes) { return random_() % (bytes.size() / unit_ + 1) * unit_; }

    void Damage(std::string& bytes) {
        const size_t at = At(bytes);
        switch (random_() % 6) {
        case 0:
            if (at < bytes.size())
                bytes[at] = static_cast<char>(random_());
            break;
        case 1:
            bytes.resize(at);
            break;
        case 2:
            bytes.insert(at, bytes.substr(At(bytes), random_() % 256 * unit_));
            break;
        case 3:
            bytes.insert(at, std::string(1, "\r\n"[random_() % 3]) + std::string(unit_ - 1, '\0'));
            break;
        case 4:
            bytes.insert(at, longRun_, static_cast<char>(random_()));
            break;
        default:   // a byte order mark among the tokens counts at the start only
            if (!tokens_.empty())
                bytes.insert(random_() % 4 ? at : 0, tokens_[random_() % tokens_.size()]);
            break;
        }
    }

    std::mt19937 random_;
    std::vector<std::string> tokens_;
    size_t longRun_;
    size_t unit_;
};
