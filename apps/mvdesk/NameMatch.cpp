#include "NameMatch.h"

#include <algorithm>
#include <numeric>

std::string FoldName(std::string_view name) {
    size_t first = name.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return "";
    name = name.substr(first, name.find_last_not_of(" \t") - first + 1);
    if (name.size() > 3 && name.substr(name.size() - 3) == "...")
        name.remove_suffix(3);
    else if (name.size() > 1 && name.back() == ':')
        name.remove_suffix(1);
    std::string folded;
    for (size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (c == '&') {
            if (i + 1 < name.size() && name[i + 1] == '&')
                folded.push_back(name[++i]);
            continue;
        }
        folded.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return folded;
}

size_t EditDistance(std::string_view a, std::string_view b) {
    // Rows of the table of distances between prefixes; two letters swapped count as one.
    std::vector<size_t> before(b.size() + 1);
    std::vector<size_t> previous(b.size() + 1);
    std::vector<size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), size_t{0});
    for (size_t i = 1; i <= a.size(); ++i) {
        before.swap(previous);
        previous.swap(row);
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            row[j] = std::min(
                {previous[j] + 1, row[j - 1] + 1, previous[j - 1] + (a[i - 1] != b[j - 1])});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                row[j] = std::min(row[j], before[j - 2] + 1);
        }
    }
    return row[b.size()];
}

bool IsNumberWord(std::string_view word) {
    if (!word.empty() && (word.front() == '-' || word.front() == '+'))
        word.remove_prefix(1);
    return !word.empty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

NameMatch MatchName(std::string_view wanted, const std::vector<std::string>& candidates) {
    NameMatch match;
    for (size_t i = 0; i < candidates.size(); ++i) {
        if (candidates[i] == wanted)
            match.hits.push_back(i);
    }
    if (!match.hits.empty())
        return match;
    std::string folded = FoldName(wanted);
    std::vector<std::string> foldedCandidates;
    foldedCandidates.reserve(candidates.size());
    for (size_t i = 0; i < candidates.size(); ++i) {
        foldedCandidates.push_back(FoldName(candidates[i]));
        if (!folded.empty() && foldedCandidates.back() == folded)
            match.hits.push_back(i);
    }
    if (!match.hits.empty() || folded.empty())
        return match;
    // A near miss is a typo: a few letters off, at most a third of the name's length.
    size_t bound = std::max<size_t>(1, folded.size() / 3);
    std::vector<std::pair<size_t, size_t>> close; // distance, index
    for (size_t i = 0; i < foldedCandidates.size(); ++i) {
        // Lengths further apart than the bound cannot be near.
        size_t length = foldedCandidates[i].size();
        if (length + bound < folded.size() || folded.size() + bound < length)
            continue;
        size_t distance = EditDistance(folded, foldedCandidates[i]);
        if (distance <= bound && !foldedCandidates[i].empty())
            close.emplace_back(distance, i);
    }
    std::stable_sort(close.begin(), close.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [distance, index] : close) {
        bool repeated = std::any_of(match.nearest.begin(), match.nearest.end(), [&](size_t n) {
            return foldedCandidates[n] == foldedCandidates[index];
        });
        if (!repeated && match.nearest.size() < 2)
            match.nearest.push_back(index);
    }
    return match;
}

std::string DidYouMean(const NameMatch& match, const std::vector<std::string>& candidates) {
    if (match.nearest.empty())
        return "";
    std::string text = "; did you mean '" + candidates[match.nearest[0]] + "'";
    if (match.nearest.size() > 1)
        text += " or '" + candidates[match.nearest[1]] + "'";
    return text + "?";
}
