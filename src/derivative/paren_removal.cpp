#include "derivative/paren_removal.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "formula/token_codes.h"

namespace plotwise {
namespace {

// Whether a group at level `level` may lose its parentheses between the items prev and
// next. Two neighbours decide it because the formula language has no implicit operators.
bool Redundant(std::uint8_t prev, std::uint8_t next, int level, std::uint8_t firstInner) {
    const bool prevIsOperator = prev >= kPower && prev <= kUnaryMinus;
    if ((prev == kOpenBracket || prevIsOperator) && level == 3) return true;
    if (IsFunction(prev)) return false;  // an argument keeps its parentheses
    const bool nextEndsTerm = next == kCloseBracket || next == kPlus || next == kMinus;
    const bool nextIsFactor = next == kMultiply || next == kDivide;
    switch (prev) {
        case kOpenBracket:
            return nextEndsTerm || (nextIsFactor && level != 0);
        case kMinus:
        case kMultiply:
        case kUnaryMinus:
            return level != 0 && next != kPower;
        case kPlus:
            if (nextEndsTerm) return firstInner != kUnaryMinus;  // "+-" cannot be written
            return nextIsFactor && level != 0;
        case kDivide:
            return level >= 2 && next != kPower;
        default:
            return false;
    }
}

}  // namespace

std::size_t MatchingParen(const TokenList& list, std::size_t open) {
    int nesting = 0;
    for (std::size_t k = open; k < list.size(); ++k) {
        if (list[k].code == kOpenBracket) {
            ++nesting;
        } else if (list[k].code == kCloseBracket && --nesting == 0) {
            return k;
        }
    }
    return list.size();
}

int MinPrecedence(const TokenList& list, std::size_t from, std::size_t to) {
    int level = 3;
    for (std::size_t k = from; k <= to && k < list.size(); ++k) {
        switch (list[k].code) {
            case kOpenBracket:
                k = MatchingParen(list, k);
                break;
            case kPlus:
            case kMinus:
            case kUnaryMinus:
                return 0;
            case kMultiply:
            case kDivide:
                level = std::min(level, 1);
                break;
            case kPower:
                level = std::min(level, 2);
                break;
            default:
                break;
        }
    }
    return level;
}

void RemoveParens(TokenList& list) {
    // Groups are decided outside in, so a group's inner items are all still present when it
    // is looked at; removed pairs are only flagged and the list is compacted at the end.
    std::vector<bool> removed(list.size(), false);
    std::uint8_t prev = kOpenBracket;  // the start of the list reads as "("
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (removed[i]) continue;
        const std::uint8_t code = list[i].code;
        if (code == kOpenBracket) {
            const std::size_t j = MatchingParen(list, i);
            if (j < list.size() && j > i + 1) {
                std::size_t after = j + 1;
                while (after < list.size() && removed[after])
                    ++after;
                const std::uint8_t next =
                    after < list.size() ? list[after].code : std::uint8_t{kCloseBracket};
                if (Redundant(prev, next, MinPrecedence(list, i + 1, j - 1), list[i + 1].code)) {
                    removed[i] = removed[j] = true;
                    continue;
                }
            }
        }
        prev = code;
    }
    std::size_t kept = 0;
    for (std::size_t k = 0; k < list.size(); ++k) {
        if (!removed[k]) list[kept++] = list[k];
    }
    list.resize(kept);
}

}  // namespace plotwise
