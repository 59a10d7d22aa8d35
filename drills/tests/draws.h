#pragma once
// Scripted draws named by what they draw, so a test reads as the question it
// asks and not as the order of the draws behind it.
#include <initializer_list>
#include <vector>

namespace drillstest {

using Draws = std::vector<int>;

// A question of a kind: the kind, then its numbers a and b. A draw with a or
// b at 0 is thrown away and the kind drawn again.
inline Draws question(int kind, int a, int b = 1) { return {kind, a, b}; }

// What a right-or-wrong question shows after its "=": the answer, ten times
// the answer, or a tenth of it.
enum class Shown { Answer = 0, TenTimesLarger = 1, TenTimesSmaller = 2 };

// A right-or-wrong question: the question, then what it shows.
inline Draws statement(int kind, int a, Shown shown, int b = 1) { return {kind, a, b, int(shown)}; }

// A fact card's two numbers; with a table that redraws a 0 second number, a
// card with y at 0 is drawn again.
inline Draws card(int x, int y) { return {x, y}; }

// Draws one after another.
inline Draws inOrder(std::initializer_list<Draws> parts)
{
    Draws all;
    for (const Draws &p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The same draws again and again.
inline Draws repeated(const Draws &one, int times)
{
    Draws all;
    for (int i = 0; i < times; ++i)
        all.insert(all.end(), one.begin(), one.end());
    return all;
}

} // namespace drillstest
