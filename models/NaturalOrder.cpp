#include "models/NaturalOrder.h"

#include "models/QtText.h"

#include <QCollator>
#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_map>

namespace marklode {

namespace {

// A text is cut into runs of digits and runs of everything else: "Stop 10.csv" is "Stop ", "10",
// ".csv". Every run is compared through the ranks of two pieces: the run itself, and the run with
// the first character after it, which decides where one run is shorter than the other, as it
// would in the whole text ("a.csv" before "a1.csv").
struct Run {
    std::uint32_t piece = 0;         // the run's piece, then its rank
    std::uint32_t pieceWithNext = 0; // the run and the character after it, then its rank
    qsizetype size = 0;
    bool digits = false;
    // Digits: their value where it fits, else where they start and end without leading zeros.
    bool fits = false;
    std::uint64_t value = 0;
    qsizetype significant = 0;
    qsizetype end = 0;
};

struct Text {
    QStringView text;
    std::size_t firstRun = 0;
    std::size_t runCount = 0;
};

std::u16string_view key(QStringView text) {
    return {text.utf16(), static_cast<std::size_t>(text.size())};
}

// By value, so any number of digits compares correctly: leading zeros dropped, then the longer
// number is the larger, then digit by digit.
int compareNumbers(QStringView x, QStringView y) {
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    for (qsizetype i = 0; i < x.size(); ++i)
        if (x[i].digitValue() != y[i].digitValue())
            return x[i].digitValue() < y[i].digitValue() ? -1 : 1;
    return 0;
}

template <typename T> int compareValues(const T& x, const T& y) {
    return x == y ? 0 : (x < y ? -1 : 1);
}

// The distinct pieces of all texts and their places under the collator; pieces the collator
// holds equal share a place.
class Pieces {
  public:
    std::uint32_t add(QStringView piece) {
        auto [found, added] =
            ids_.try_emplace(key(piece), static_cast<std::uint32_t>(pieces_.size()));
        if (added)
            pieces_.push_back(piece);
        return found->second;
    }

    std::vector<std::uint32_t> ranks(const QLocale& locale) const {
        QCollator collator(locale);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::vector<std::uint32_t> sorted(pieces_.size());
        std::iota(sorted.begin(), sorted.end(), 0);
        std::vector<std::uint32_t> ranks(pieces_.size(), 0);
        auto place = [&](auto compare) {
            std::sort(sorted.begin(), sorted.end(),
                      [&](std::uint32_t a, std::uint32_t b) { return compare(a, b) < 0; });
            for (std::size_t i = 1; i < sorted.size(); ++i)
                ranks[sorted[i]] =
                    ranks[sorted[i - 1]] + (compare(sorted[i - 1], sorted[i]) != 0 ? 1 : 0);
        };
        if (locale.language() == QLocale::C) {
            // Without a collation the collator compares the characters themselves, quickly;
            // its sort keys would not ignore case.
            place([&](std::uint32_t a, std::uint32_t b) {
                return collator.compare(pieces_[a], pieces_[b]);
            });
        } else {
            // A sort key compares as its text does under the collator, in a fraction of the time.
            std::vector<QCollatorSortKey> keys;
            keys.reserve(pieces_.size());
            for (QStringView piece : pieces_)
                keys.push_back(collator.sortKey(piece.toString()));
            place([&](std::uint32_t a, std::uint32_t b) { return keys[a].compare(keys[b]); });
        }
        return ranks;
    }

  private:
    std::unordered_map<std::u16string_view, std::uint32_t> ids_;
    std::vector<QStringView> pieces_;
};

} // namespace

std::vector<std::uint32_t> naturalRanks(const std::vector<QString>& texts, const QLocale& locale) {
    // Each distinct text once.
    std::unordered_map<std::u16string_view, std::uint32_t> distinctIDs;
    std::vector<std::uint32_t> distinctOf(texts.size());
    std::vector<Text> cut;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        auto [found, added] =
            distinctIDs.try_emplace(key(texts[i]), static_cast<std::uint32_t>(cut.size()));
        if (added)
            cut.push_back(Text{texts[i]});
        distinctOf[i] = found->second;
    }
    distinctIDs = {};

    Pieces pieces;
    std::vector<Run> runs;
    for (Text& entry : cut) {
        QStringView text = entry.text;
        entry.firstRun = runs.size();
        for (qsizetype start = 0; start < text.size();) {
            bool digits = text[start].isDigit();
            qsizetype end = start + 1;
            while (end < text.size() && text[end].isDigit() == digits)
                ++end;
            Run run;
            run.size = end - start;
            run.digits = digits;
            run.piece = pieces.add(text.mid(start, run.size));
            run.pieceWithNext =
                end < text.size() ? pieces.add(text.mid(start, run.size + 1)) : run.piece;
            if (digits) {
                run.significant = start;
                while (run.significant < end && text[run.significant].digitValue() == 0)
                    ++run.significant;
                run.end = end;
                // Up to 18 digits fit in 64 bits whatever they are.
                run.fits = end - run.significant <= 18;
                for (qsizetype i = run.significant; run.fits && i < end; ++i)
                    run.value = run.value * 10 + static_cast<std::uint64_t>(text[i].digitValue());
            }
            runs.push_back(run);
            start = end;
        }
        entry.runCount = runs.size() - entry.firstRun;
    }
    std::vector<std::uint32_t> ranks = pieces.ranks(locale);
    for (Run& run : runs) {
        run.piece = ranks[run.piece];
        run.pieceWithNext = ranks[run.pieceWithNext];
    }

    auto compareDigits = [](const Text& a, const Run& x, const Text& b, const Run& y) {
        if (x.fits && y.fits)
            return compareValues(x.value, y.value);
        if (x.fits != y.fits)
            return x.fits ? -1 : 1;
        return compareNumbers(a.text.mid(x.significant, x.end - x.significant),
                              b.text.mid(y.significant, y.end - y.significant));
    };
    auto order = [&](const Text& a, const Text& b) {
        for (std::size_t i = 0; i < a.runCount && i < b.runCount; ++i) {
            const Run &x = runs[a.firstRun + i], &y = runs[b.firstRun + i];
            int result = 0;
            if (x.digits && y.digits)
                result = compareDigits(a, x, b, y);
            else if (x.size == y.size)
                result = compareValues(x.piece, y.piece);
            else
                result = compareValues(x.pieceWithNext, y.pieceWithNext);
            if (result != 0)
                return result < 0;
        }
        if (a.runCount != b.runCount)
            return a.runCount < b.runCount;
        return a.text < b.text;
    };
    std::vector<std::uint32_t> sorted(cut.size());
    std::iota(sorted.begin(), sorted.end(), 0);
    std::sort(sorted.begin(), sorted.end(),
              [&](std::uint32_t a, std::uint32_t b) { return order(cut[a], cut[b]); });
    std::vector<std::uint32_t> rankOfDistinct(cut.size());
    for (std::size_t i = 0; i < sorted.size(); ++i)
        rankOfDistinct[sorted[i]] = static_cast<std::uint32_t>(i);

    std::vector<std::uint32_t> result(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        result[i] = rankOfDistinct[distinctOf[i]];
    return result;
}

void sortByNaturalName(std::vector<Path>& paths, const QLocale& locale) {
    std::vector<QString> names;
    names.reserve(paths.size());
    for (const Path& path : paths)
        names.push_back(fromUtf8(path.filename().string()));
    std::vector<std::uint32_t> ranks = naturalRanks(names, locale);
    std::vector<std::size_t> sorted(paths.size());
    std::iota(sorted.begin(), sorted.end(), 0);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&](std::size_t a, std::size_t b) { return ranks[a] < ranks[b]; });
    std::vector<Path> inOrder;
    inOrder.reserve(paths.size());
    for (std::size_t i : sorted)
        inOrder.push_back(std::move(paths[i]));
    paths = std::move(inOrder);
}

} // namespace marklode
