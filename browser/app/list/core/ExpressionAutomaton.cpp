#include "browser/app/list/core/ExpressionAutomaton.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace cobwen {

namespace {

// Expressions whose nondeterministic automaton has more places are left to the standard engine.
constexpr std::size_t MaxPlaces = 20000;

constexpr std::int32_t Unknown = -1;
constexpr std::int32_t Matched = -2;
constexpr std::int32_t Dead = -3;

constexpr std::uint8_t AtStartFlag = 1;   // no byte read yet
constexpr std::uint8_t AfterWordFlag = 2; // the byte read last is a word byte

struct TooBig {};

} // namespace

namespace {

using Place = ExpressionAutomaton::Place;

class PlaceBuilder {
public:
    PlaceBuilder(std::vector<Place>& places, std::vector<ByteSet>& sets, bool& usesWordBoundary)
        : places_(places), sets_(sets), usesWordBoundary_(usesWordBoundary) {}

    // The places of `node`, followed by `next`; returns the first of them.
    int Build(const ExpressionNode& node, int next) {
        using Kind = ExpressionNode::Kind;
        switch (node.kind) {
        case Kind::Empty:
            return next;
        case Kind::Bytes: {
            Place read;
            read.kind = Place::Kind::Read;
            read.set = SetIndex(node.bytes);
            read.out = next;
            return Add(read);
        }
        case Kind::Sequence:
            for (auto child = node.children.rbegin(); child != node.children.rend(); ++child) {
                next = Build(*child, next);
            }
            return next;
        case Kind::Choice: {
            int first = Build(node.children.back(), next);
            for (std::size_t i = node.children.size() - 1; i-- > 0;) {
                first = Split(Build(node.children[i], next), first);
            }
            return first;
        }
        case Kind::Repeat: {
            const ExpressionNode& body = node.children.front();
            int at = next;
            if (node.max < 0) {
                const int loop = Split(-1, next);
                const int bodyStart = Build(body, loop);
                places_[static_cast<std::size_t>(loop)].out = bodyStart;
                at = loop;
            } else {
                for (int k = node.min; k < node.max; ++k) {
                    at = Split(Build(body, at), next);
                }
            }
            for (int k = 0; k < node.min; ++k) {
                at = Build(body, at);
            }
            return at;
        }
        case Kind::TextStart:
        case Kind::TextEnd:
        case Kind::WordBoundary:
        case Kind::NotWordBoundary: {
            usesWordBoundary_ = usesWordBoundary_ || node.kind == Kind::WordBoundary ||
                                node.kind == Kind::NotWordBoundary;
            Place assertion;
            assertion.kind = Place::Kind::Assert;
            assertion.assertion = node.kind;
            assertion.out = next;
            return Add(assertion);
        }
        case Kind::BackReference:
            throw TooBig{}; // a built tree has none
        }
        return next;
    }

    int Add(const Place& place) {
        if (places_.size() >= MaxPlaces) {
            throw TooBig{};
        }
        places_.push_back(place);
        return static_cast<int>(places_.size() - 1);
    }

private:
    int Split(int first, int second) {
        Place split;
        split.kind = Place::Kind::Split;
        split.out = first;
        split.out2 = second;
        return Add(split);
    }

    int SetIndex(const ByteSet& bytes) {
        const auto known = setIndex_.find(bytes);
        if (known != setIndex_.end()) {
            return known->second;
        }
        sets_.push_back(bytes);
        const int index = static_cast<int>(sets_.size() - 1);
        setIndex_.emplace(bytes, index);
        return index;
    }

    std::vector<Place>& places_;
    std::vector<ByteSet>& sets_;
    bool& usesWordBoundary_;
    std::unordered_map<ByteSet, int> setIndex_;
};

} // namespace

std::unique_ptr<ExpressionAutomaton> ExpressionAutomaton::Build(const ExpressionTree& tree,
                                                                const FoldTable& fold,
                                                                std::size_t cacheBytes) {
    if (tree.outcome != ExpressionTree::Outcome::Built) {
        return nullptr;
    }
    std::unique_ptr<ExpressionAutomaton> automaton(new ExpressionAutomaton);
    ExpressionAutomaton& a = *automaton;
    try {
        PlaceBuilder builder(a.places_, a.sets_, a.usesWordBoundary_);
        const int match = builder.Add(Place{});
        a.start_ = builder.Build(tree.root, match);
    } catch (const TooBig&) {
        return nullptr;
    }
    a.wordBytes_ = tree.wordBytes;

    // Bytes of the text that every set and the word test treat alike share a class.
    std::unordered_map<std::string, int> classes;
    std::string signature;
    for (int b = 0; b < 256; ++b) {
        const unsigned char folded = fold[static_cast<std::size_t>(b)];
        signature.clear();
        for (const ByteSet& set : a.sets_) {
            signature += set[folded] ? '1' : '0';
        }
        if (a.usesWordBoundary_) {
            signature += a.wordBytes_[folded] ? '1' : '0';
        }
        const auto [at, added] = classes.emplace(signature, static_cast<int>(classes.size()));
        if (added) {
            a.representative_.push_back(folded);
        }
        a.classOf_[static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(at->second);
    }
    a.stride_ = static_cast<int>(a.representative_.size()) + 1;
    const std::size_t stateBytes = static_cast<std::size_t>(a.stride_) * sizeof(std::int32_t) + 64;
    a.maxStates_ = std::max<std::size_t>(2, cacheBytes / stateBytes);
    a.mark_.assign(a.places_.size(), 0);

    // When no byte can be read from the start place without passing a "^", a match can only
    // begin at the text's start, and a search that has lost every place is over.
    {
        std::vector<int> pending{a.start_};
        std::vector<bool> seen(a.places_.size(), false);
        bool restart = false;
        while (!pending.empty() && !restart) {
            const int p = pending.back();
            pending.pop_back();
            if (p < 0 || seen[static_cast<std::size_t>(p)]) {
                continue;
            }
            seen[static_cast<std::size_t>(p)] = true;
            const Place& place = a.places_[static_cast<std::size_t>(p)];
            switch (place.kind) {
            case Place::Kind::Read:
            case Place::Kind::Match:
                restart = true;
                break;
            case Place::Kind::Split:
                pending.push_back(place.out);
                pending.push_back(place.out2);
                break;
            case Place::Kind::Assert:
                if (place.assertion != ExpressionNode::Kind::TextStart) {
                    pending.push_back(place.out);
                }
                break;
            }
        }
        a.restartEverywhere_ = restart;
    }
    if (a.restartEverywhere_ && !a.usesWordBoundary_) {
        std::vector<int> readers;
        if (!a.Close({a.start_}, Context{false, false, false, false}, readers)) {
            a.skipsIdle_ = true;
            for (int b = 0; b < 256; ++b) {
                const unsigned char folded = fold[static_cast<std::size_t>(b)];
                bool stays = true;
                for (int reader : readers) {
                    const Place& place = a.places_[static_cast<std::size_t>(reader)];
                    stays = stays && !a.sets_[static_cast<std::size_t>(place.set)][folded];
                }
                a.staysIdle_[static_cast<std::size_t>(b)] = stays;
            }
        }
    }
    return automaton;
}

bool ExpressionAutomaton::Close(const std::vector<int>& places, Context context,
                                std::vector<int>& readers) {
    if (++generation_ == 0) {
        std::fill(mark_.begin(), mark_.end(), 0);
        generation_ = 1;
    }
    readers.clear();
    stack_.assign(places.rbegin(), places.rend());
    while (!stack_.empty()) {
        const int p = stack_.back();
        stack_.pop_back();
        if (p < 0 || mark_[static_cast<std::size_t>(p)] == generation_) {
            continue;
        }
        mark_[static_cast<std::size_t>(p)] = generation_;
        const Place& place = places_[static_cast<std::size_t>(p)];
        switch (place.kind) {
        case Place::Kind::Match:
            return true;
        case Place::Kind::Read:
            readers.push_back(p);
            break;
        case Place::Kind::Split:
            stack_.push_back(place.out2);
            stack_.push_back(place.out);
            break;
        case Place::Kind::Assert: {
            bool holds = false;
            switch (place.assertion) {
            case ExpressionNode::Kind::TextStart:
                holds = context.atStart;
                break;
            case ExpressionNode::Kind::TextEnd:
                holds = context.atEnd;
                break;
            case ExpressionNode::Kind::WordBoundary:
                holds = context.beforeWord != context.afterWord;
                break;
            case ExpressionNode::Kind::NotWordBoundary:
                holds = context.beforeWord == context.afterWord;
                break;
            default:
                break;
            }
            if (holds) {
                stack_.push_back(place.out);
            }
            break;
        }
        }
    }
    return false;
}

void ExpressionAutomaton::Flush() {
    states_.clear();
    next_.clear();
    index_.clear();
    initial_ = -1;
    idleEntry_ = -1;
    ++flushes_;
}

int ExpressionAutomaton::Intern(std::vector<int>&& places, std::uint8_t flags) {
    std::string key(1 + places.size() * sizeof(int), '\0');
    key[0] = static_cast<char>(flags);
    if (!places.empty()) {
        std::memcpy(&key[1], places.data(), places.size() * sizeof(int));
    }
    const auto known = index_.find(key);
    if (known != index_.end()) {
        return known->second;
    }
    if (states_.size() >= maxStates_) {
        Flush();
    }
    const int id = static_cast<int>(states_.size());
    states_.push_back(State{std::move(places), flags});
    next_.resize(next_.size() + static_cast<std::size_t>(stride_), Unknown);
    index_.emplace(std::move(key), id);
    return id;
}

int ExpressionAutomaton::Initial() {
    if (initial_ < 0) {
        initial_ = Intern(std::vector<int>{start_}, AtStartFlag);
    }
    return initial_;
}

int ExpressionAutomaton::Step(int state, int byteClass) {
    const bool atEnd = byteClass == stride_ - 1;
    const unsigned char byte = atEnd ? 0 : representative_[static_cast<std::size_t>(byteClass)];
    const State& from = states_[static_cast<std::size_t>(state)];
    const Context context{(from.flags & AtStartFlag) != 0, atEnd, (from.flags & AfterWordFlag) != 0,
                          !atEnd && wordBytes_[byte]};
    std::int32_t target = Dead;
    const std::size_t flushesBefore = flushes_;
    if (Close(from.places, context, readers_)) {
        target = Matched;
    } else if (!atEnd) {
        std::vector<int> places;
        places.reserve(readers_.size() + 1);
        for (int reader : readers_) {
            const Place& place = places_[static_cast<std::size_t>(reader)];
            if (sets_[static_cast<std::size_t>(place.set)][byte]) {
                places.push_back(place.out);
            }
        }
        if (restartEverywhere_) {
            places.push_back(start_);
        }
        std::sort(places.begin(), places.end());
        places.erase(std::unique(places.begin(), places.end()), places.end());
        if (!places.empty()) {
            const std::uint8_t flags =
                usesWordBoundary_ && wordBytes_[byte] ? AfterWordFlag : std::uint8_t{0};
            const bool idle = skipsIdle_ && flags == 0 && places.size() == 1 && places[0] == start_;
            target = Intern(std::move(places), flags) * stride_;
            if (idle) {
                idleEntry_ = target;
            }
        }
    }
    if (flushes_ == flushesBefore) {
        next_[static_cast<std::size_t>(state) * static_cast<std::size_t>(stride_) +
              static_cast<std::size_t>(byteClass)] = target;
    }
    return target;
}

bool ExpressionAutomaton::Search(std::string_view text) {
    // `entry` is the current state's first entry in next_.
    std::int32_t entry = Initial() * stride_;
    const std::int32_t* table = next_.data();
    const auto* at = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char* const end = at + text.size();
    while (at != end) {
        if (entry == idleEntry_) {
            while (at != end && staysIdle_[*at]) {
                ++at;
            }
            if (at == end) {
                break;
            }
        }
        const int byteClass = classOf_[*at++];
        std::int32_t target = table[entry + byteClass];
        if (target < 0) {
            if (target == Unknown) {
                target = Step(entry / stride_, byteClass);
                table = next_.data();
            }
            if (target == Matched) {
                return true;
            }
            if (target == Dead) {
                return false;
            }
        }
        entry = target;
    }
    std::int32_t target = table[entry + stride_ - 1];
    if (target == Unknown) {
        target = Step(entry / stride_, stride_ - 1);
    }
    return target == Matched;
}

} // namespace cobwen
