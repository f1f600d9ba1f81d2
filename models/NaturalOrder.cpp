#include "models/NaturalOrder.h"

#include "models/QtText.h"

#include <QCollator>
#include <QString>
#include <algorithm>

namespace marklode {

namespace {

// A name cut into runs of digits and runs of everything else: "Stop 10.csv" is "Stop ", "10",
// ".csv".
struct Run {
    QString text;
    bool digits = false;
};

std::vector<Run> runs(const QString& name) {
    std::vector<Run> result;
    for (QChar c : name) {
        bool digit = c.isDigit();
        if (result.empty() || result.back().digits != digit)
            result.push_back(Run{QString(), digit});
        result.back().text.append(c);
    }
    return result;
}

// By value, so any number of digits compares correctly: leading zeros dropped, then the longer
// number is the larger, then digit by digit.
int compareNumbers(const QString& a, const QString& b) {
    auto significant = [](const QString& digits) {
        qsizetype zeros = 0;
        while (zeros < digits.size() && digits[zeros].digitValue() == 0)
            ++zeros;
        return QStringView(digits).mid(zeros);
    };
    QStringView x = significant(a), y = significant(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    for (qsizetype i = 0; i < x.size(); ++i)
        if (x[i].digitValue() != y[i].digitValue())
            return x[i].digitValue() < y[i].digitValue() ? -1 : 1;
    return 0;
}

} // namespace

void sortByNaturalName(std::vector<Path>& paths, const QLocale& locale) {
    // The collator's own numeric mode does nothing under the C locale, so numbers are compared
    // here and the collator only sees the text between them.
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    struct Named {
        QString name;
        std::vector<Run> runs;
        Path path;
    };
    std::vector<Named> named;
    named.reserve(paths.size());
    for (Path& path : paths) {
        QString name = fromUtf8(path.filename().string());
        std::vector<Run> parts = runs(name);
        named.push_back(Named{std::move(name), std::move(parts), std::move(path)});
    }
    // Where one text run is shorter, the character after it decides, as in the whole name:
    // "a.csv" before "a1.csv".
    auto textWithNext = [](const Named& named, std::size_t i) {
        QString text = named.runs[i].text;
        if (i + 1 < named.runs.size())
            text += named.runs[i + 1].text.front();
        return text;
    };
    auto order = [&](const Named& a, const Named& b) {
        for (std::size_t i = 0; i < a.runs.size() && i < b.runs.size(); ++i) {
            const Run &x = a.runs[i], &y = b.runs[i];
            int result = 0;
            if (x.digits && y.digits)
                result = compareNumbers(x.text, y.text);
            else if (x.text.size() == y.text.size())
                result = collator.compare(x.text, y.text);
            else
                result = collator.compare(textWithNext(a, i), textWithNext(b, i));
            if (result != 0)
                return result < 0;
        }
        if (a.runs.size() != b.runs.size())
            return a.runs.size() < b.runs.size();
        // Names equal but for case or leading zeros still get one order, whatever the folder's.
        return a.name < b.name;
    };
    std::stable_sort(named.begin(), named.end(), order);
    paths.clear();
    for (Named& entry : named)
        paths.push_back(std::move(entry.path));
}

} // namespace marklode
