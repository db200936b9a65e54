#include "report/RowFit.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

std::vector<RowFit> FitRow(const std::vector<RowText>& texts, int gap) {
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return texts[a].start < texts[b].start; });
    std::vector<RowFit> fits(texts.size());
    const RowText* previous = nullptr;
    RowFit* previousFit = nullptr;
    int previousStart = 0;
    int previousEnd = 0;
    for (const std::size_t i : order) {
        const RowText& text = texts[i];
        if (text.end <= text.start)
            continue; // nothing visible: nothing to keep apart
        RowFit& fit = fits[i];
        if (previous != nullptr && text.start < previousEnd + gap) {
            const int limit = text.start - gap;
            if (previous->mayCut && limit > previousStart)
                previousFit->limit = limit;
            else
                fit.shift = previousEnd + gap - text.start;
        }
        previous = &text;
        previousFit = &fit;
        previousStart = text.start + fit.shift;
        previousEnd = text.end + fit.shift;
    }
    return fits;
}
