#pragma once

#include <bitset>
#include <string_view>
#include <vector>

namespace cobwen {

// A set of byte values, indexed by the unsigned byte.
using ByteSet = std::bitset<256>;

// One node of an expression's syntax tree, as far as a finite automaton can follow it.
struct ExpressionNode {
    enum class Kind {
        Empty,           // matches the empty text
        Bytes,           // one byte of `bytes`
        Sequence,        // the children one after another
        Choice,          // one of the children
        Repeat,          // the only child `min` to `max` times (max < 0: no upper bound)
        TextStart,       // "^": before the first byte of the text
        TextEnd,         // "$": after the last byte
        WordBoundary,    // "\b": between a word byte and a byte that is none (or a text end)
        NotWordBoundary, // "\B"
        BackReference,   // while reading only: what group `min` matched; never in a built tree
    };
    Kind kind = Kind::Empty;
    ByteSet bytes;
    int min = 0;
    int max = 0;
    int group = 0; // the number of the capturing group this node is (from 1), or 0
    std::vector<ExpressionNode> children;
};

struct ExpressionTree {
    enum class Outcome {
        Built,
        BackReference, // it refers back to a group in a way no finite automaton follows
        Unsupported,   // a look-ahead, a repetition count beyond the limit, or anything unexpected
    };
    Outcome outcome = Outcome::Unsupported;
    ExpressionNode root;
    ByteSet wordBytes; // what "\w" and the word boundaries count as word bytes
    // Built with its back-references spelled out: the expression refers back to groups that
    // match one byte each, and the tree is a choice of one copy per byte such a group can
    // match, with the group and its back-references made that byte.
    bool backReferences = false;
};

// The tree of an ECMAScript expression that the standard library's engine has accepted, read the
// way that engine reads it. What one atom ("." , an escape, a bracket expression) matches is asked
// of the standard library itself, byte by byte, so that classes, ranges and escapes mean exactly
// what they mean to its engine.
//
// A back-reference is followed when its group matches one byte, is matched once in every match
// (no repetition or alternative around it) and comes before the reference; the copies it takes
// are bounded. Other back-references give BackReference.
ExpressionTree ReadExpressionTree(std::string_view pattern);

} // namespace cobwen
