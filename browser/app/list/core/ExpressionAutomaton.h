#pragma once

#include "browser/app/list/core/ExpressionTree.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cobwen {

// Searches a text for an expression in time linear in the text: a deterministic automaton over
// the text's bytes, folded through a table first (the name filter folds case), whose states are
// made when a text first reaches them and kept for the next texts. The states kept are bounded;
// when the bound is reached they are all dropped and made anew as texts need them.
//
// A state stands for the places of the expression the search may be at, together with what the
// zero-width assertions need to know of the byte before ("^" and "\b"); the assertions after a
// place are decided when the next byte (or the text's end) is seen.
class ExpressionAutomaton {
public:
    using FoldTable = std::array<unsigned char, 256>;

    // Room for the kept states, in bytes.
    static constexpr std::size_t DefaultCacheBytes = 4 << 20;

    // Nothing when the expression grows beyond the size the automaton takes on.
    static std::unique_ptr<ExpressionAutomaton> Build(const ExpressionTree& tree,
                                                      const FoldTable& fold,
                                                      std::size_t cacheBytes = DefaultCacheBytes);

    // Whether the expression matches somewhere in the folded `text`. Not for several threads at
    // once: it adds states as it goes.
    bool Search(std::string_view text);

    // How many times the kept states were dropped, and how many are kept now.
    std::size_t Flushes() const { return flushes_; }
    std::size_t States() const { return states_.size(); }

    // One node of the expression's nondeterministic automaton.
    struct Place {
        enum class Kind : std::uint8_t { Read, Split, Assert, Match };
        Kind kind = Kind::Match;
        ExpressionNode::Kind assertion = ExpressionNode::Kind::Empty;
        int set = -1; // Read: index into the byte sets
        int out = -1;
        int out2 = -1; // Split
    };

private:
    ExpressionAutomaton() = default;

    struct State {
        std::vector<int> places; // sorted
        std::uint8_t flags = 0;
    };
    struct Context {
        bool atStart, atEnd, beforeWord, afterWord;
    };

    int Initial();
    // The entry in next_ of the state `state` reaches by `byteClass`, or Matched or Dead.
    int Step(int state, int byteClass);
    int Intern(std::vector<int>&& places, std::uint8_t flags);
    void Flush();
    // The byte-reading places reachable from `places` through choices and assertions that hold in
    // `context`; true when the end of a match is reachable.
    bool Close(const std::vector<int>& places, Context context, std::vector<int>& readers);

    std::vector<Place> places_;
    std::vector<ByteSet> sets_; // over folded bytes
    int start_ = 0;
    bool restartEverywhere_ = true; // false when every match must begin at the text's start
    bool usesWordBoundary_ = false;
    ByteSet wordBytes_;                         // folded
    std::array<std::uint8_t, 256> classOf_{};   // byte of the text -> its class
    std::vector<unsigned char> representative_; // class -> a folded byte of it
    int stride_ = 0;                            // classes, and one for the text's end
    std::size_t maxStates_ = 0;

    // Bytes that keep the search where it is while it follows no partial match (the idle state:
    // only the start place, nothing to remember of the byte before); they are skipped in a
    // tight loop. Only when the expression has no word boundaries and may begin anywhere.
    bool skipsIdle_ = false;
    std::array<bool, 256> staysIdle_{};

    std::vector<State> states_;
    // Per state and class: the target state's first entry here (its index times stride_), or
    // Unknown, Matched or Dead.
    std::vector<std::int32_t> next_;
    std::int32_t idleEntry_ = -1; // the idle state's first entry, once it exists
    std::unordered_map<std::string, int> index_;
    int initial_ = -1;
    std::size_t flushes_ = 0;

    std::vector<std::uint32_t> mark_;
    std::uint32_t generation_ = 0;
    std::vector<int> stack_, readers_;
};

} // namespace cobwen
