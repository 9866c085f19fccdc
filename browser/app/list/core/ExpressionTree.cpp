#include "browser/app/list/core/ExpressionTree.h"

#include <map>
#include <optional>
#include <regex>
#include <string>

namespace cobwen {

namespace {

// Repetition counts above this are left to the standard engine.
constexpr int MaxCount = 1000;

// At most this many copies of the expression spell out its back-references.
constexpr std::size_t MaxCopies = 1024;

using Outcome = ExpressionTree::Outcome;

// Thrown inside the reader to give up on the expression.
struct GiveUp {
    Outcome outcome;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

class TreeReader {
public:
    explicit TreeReader(std::string_view pattern) : pattern_(pattern) {}

    ExpressionNode Read() {
        ExpressionNode root = Disjunction();
        if (i_ != pattern_.size()) {
            throw GiveUp{Outcome::Unsupported}; // an unmatched ")"
        }
        return root;
    }

    bool HasBackReferences() const { return hasBackReferences_; }

    ByteSet Probe(const std::string& atom) {
        const auto known = probed_.find(atom);
        if (known != probed_.end()) {
            return known->second;
        }
        ByteSet bytes;
        try {
            const std::regex single(atom, std::regex::ECMAScript);
            std::string text(1, '\0');
            for (int b = 0; b < 256; ++b) {
                text[0] = static_cast<char>(b);
                bytes[static_cast<std::size_t>(b)] = std::regex_match(text, single);
            }
        } catch (const std::exception&) {
            throw GiveUp{Outcome::Unsupported};
        }
        probed_.emplace(atom, bytes);
        return bytes;
    }

private:
    bool AtEnd() const { return i_ >= pattern_.size(); }
    char Peek(std::size_t ahead = 0) const {
        return i_ + ahead < pattern_.size() ? pattern_[i_ + ahead] : '\0';
    }
    bool Has(std::size_t ahead) const { return i_ + ahead < pattern_.size(); }

    ExpressionNode Disjunction() {
        ExpressionNode first = Alternative();
        if (AtEnd() || Peek() != '|') {
            return first;
        }
        ExpressionNode choice;
        choice.kind = ExpressionNode::Kind::Choice;
        choice.children.push_back(std::move(first));
        while (!AtEnd() && Peek() == '|') {
            ++i_;
            choice.children.push_back(Alternative());
        }
        return choice;
    }

    ExpressionNode Alternative() {
        ExpressionNode sequence;
        sequence.kind = ExpressionNode::Kind::Sequence;
        while (!AtEnd() && Peek() != '|' && Peek() != ')') {
            sequence.children.push_back(Term());
        }
        return sequence;
    }

    static ExpressionNode Assertion(ExpressionNode::Kind kind) {
        ExpressionNode node;
        node.kind = kind;
        return node;
    }

    ExpressionNode Term() {
        const char c = Peek();
        if (c == '^') {
            ++i_;
            return Assertion(ExpressionNode::Kind::TextStart);
        }
        if (c == '$') {
            ++i_;
            return Assertion(ExpressionNode::Kind::TextEnd);
        }
        if (c == '\\' && (Peek(1) == 'b' || Peek(1) == 'B')) {
            const bool boundary = Peek(1) == 'b';
            i_ += 2;
            return Assertion(boundary ? ExpressionNode::Kind::WordBoundary
                                      : ExpressionNode::Kind::NotWordBoundary);
        }
        if (c == '(' && Peek(1) == '?' && (Peek(2) == '=' || Peek(2) == '!')) {
            throw GiveUp{Outcome::Unsupported}; // a look-ahead
        }
        ExpressionNode atom = Atom();
        while (!AtEnd()) {
            int min = 0;
            int max = 0;
            const char q = Peek();
            if (q == '*') {
                max = -1;
                ++i_;
            } else if (q == '+') {
                min = 1;
                max = -1;
                ++i_;
            } else if (q == '?') {
                max = 1;
                ++i_;
            } else if (q == '{') {
                ++i_;
                min = Count();
                max = min;
                if (Peek() == ',') {
                    ++i_;
                    max = IsDigit(Peek()) ? Count() : -1;
                }
                if (AtEnd() || Peek() != '}' || (max >= 0 && max < min)) {
                    throw GiveUp{Outcome::Unsupported};
                }
                ++i_;
            } else {
                break;
            }
            if (!AtEnd() && Peek() == '?') {
                ++i_; // a lazy repetition matches where the greedy one does
            }
            ExpressionNode repeat;
            repeat.kind = ExpressionNode::Kind::Repeat;
            repeat.min = min;
            repeat.max = max;
            repeat.children.push_back(std::move(atom));
            atom = std::move(repeat);
        }
        return atom;
    }

    int Count() {
        if (!IsDigit(Peek())) {
            throw GiveUp{Outcome::Unsupported};
        }
        long value = 0;
        while (!AtEnd() && IsDigit(Peek())) {
            value = value * 10 + (Peek() - '0');
            if (value > MaxCount) {
                throw GiveUp{Outcome::Unsupported};
            }
            ++i_;
        }
        return static_cast<int>(value);
    }

    ExpressionNode Bytes(ByteSet bytes) {
        ExpressionNode node;
        node.kind = ExpressionNode::Kind::Bytes;
        node.bytes = bytes;
        return node;
    }

    ExpressionNode Atom() {
        const char c = Peek();
        const std::size_t start = i_;
        switch (c) {
        case '.':
            ++i_;
            return Bytes(Probe("."));
        case '(': {
            const bool capturing = !(Peek(1) == '?' && Peek(2) == ':');
            i_ += capturing ? 1 : 3;
            const int number = capturing ? ++groups_ : 0;
            ExpressionNode inner = Disjunction();
            if (AtEnd() || Peek() != ')') {
                throw GiveUp{Outcome::Unsupported};
            }
            ++i_;
            if (number == 0) {
                return inner;
            }
            ExpressionNode group;
            group.kind = ExpressionNode::Kind::Sequence;
            group.group = number;
            group.children.push_back(std::move(inner));
            return group;
        }
        case '[':
            SkipBracket();
            return Bytes(Probe(std::string(pattern_.substr(start, i_ - start))));
        case '\\':
            if (Peek(1) >= '1' && Peek(1) <= '9') {
                return BackReference();
            }
            SkipEscape();
            return Bytes(Probe(std::string(pattern_.substr(start, i_ - start))));
        case '*':
        case '+':
        case '?':
        case '{':
        case ')':
        case '|':
        case '^':
        case '$':
            throw GiveUp{Outcome::Unsupported}; // nothing the engine accepts has these here
        default: {
            ++i_;
            ByteSet bytes;
            bytes[static_cast<unsigned char>(c)] = true;
            return Bytes(bytes);
        }
        }
    }

    // "\1" to "\9" outside a bracket expression. A number of more digits is left to the
    // standard engine.
    ExpressionNode BackReference() {
        ExpressionNode reference;
        reference.kind = ExpressionNode::Kind::BackReference;
        reference.min = Peek(1) - '0';
        i_ += 2;
        if (IsDigit(Peek())) {
            throw GiveUp{Outcome::BackReference};
        }
        hasBackReferences_ = true;
        return reference;
    }

    // Past one escape: "\" and the character after it, with the digits of \xHH and \uHHHH and
    // the character of \cX. \1 to \9 (within a bracket expression here) are not followed.
    void SkipEscape() {
        if (!Has(1)) {
            throw GiveUp{Outcome::Unsupported};
        }
        const char e = Peek(1);
        i_ += 2;
        if (e >= '1' && e <= '9') {
            throw GiveUp{Outcome::BackReference};
        }
        const std::size_t more = e == 'x' ? 2 : e == 'u' ? 4 : e == 'c' ? 1 : 0;
        if (i_ + more > pattern_.size()) {
            throw GiveUp{Outcome::Unsupported};
        }
        i_ += more;
    }

    // Past one bracket expression, from its "[" to its "]": "[]" is an empty class in this
    // dialect, and "[:", "[." and "[=" open a class name that ends at ":]", ".]" or "=]".
    void SkipBracket() {
        ++i_;
        if (Peek() == '^') {
            ++i_;
        }
        for (;;) {
            if (AtEnd()) {
                throw GiveUp{Outcome::Unsupported};
            }
            const char c = Peek();
            if (c == ']') {
                ++i_;
                return;
            }
            if (c == '\\') {
                SkipEscape();
                continue;
            }
            if (c == '[' && (Peek(1) == ':' || Peek(1) == '.' || Peek(1) == '=')) {
                const char kind = Peek(1);
                i_ += 2;
                while (!AtEnd() && Peek() != kind) {
                    ++i_;
                }
                if (!Has(1) || Peek(1) != ']') {
                    throw GiveUp{Outcome::Unsupported};
                }
                i_ += 2;
                continue;
            }
            ++i_;
        }
    }

    std::string_view pattern_;
    std::size_t i_ = 0;
    std::map<std::string, ByteSet> probed_;
    int groups_ = 0;
    bool hasBackReferences_ = false;
};

// The bytes a node matches when it always matches exactly one byte: a byte set, possibly within
// groups of one member or a choice of such.
std::optional<ByteSet> SingleByte(const ExpressionNode& node) {
    using Kind = ExpressionNode::Kind;
    if (node.kind == Kind::Bytes) {
        return node.bytes;
    }
    if (node.kind == Kind::Sequence && node.children.size() == 1) {
        return SingleByte(node.children.front());
    }
    if (node.kind == Kind::Choice) {
        ByteSet all;
        for (const ExpressionNode& child : node.children) {
            const std::optional<ByteSet> bytes = SingleByte(child);
            if (!bytes) {
                return std::nullopt;
            }
            all |= *bytes;
        }
        return all;
    }
    return std::nullopt;
}

// Spells out the back-references of a tree: one copy of the tree per combination of the bytes
// the referred groups match, in which each such group and its references read that byte.
class BackReferenceExpansion {
public:
    explicit BackReferenceExpansion(const ExpressionNode& root) : root_(root) {
        Survey(root, false);
        for (const auto& [number, order] : references_) {
            const auto group = groups_.find(number);
            // The group must have been matched, once and whole, before the reference is read.
            if (group == groups_.end() || !group->second.once || !group->second.bytes ||
                group->second.end > order) {
                throw GiveUp{Outcome::BackReference};
            }
            if (choices_.count(number) == 0) {
                std::vector<unsigned char> bytes;
                for (int b = 0; b < 256; ++b) {
                    if ((*group->second.bytes)[static_cast<std::size_t>(b)]) {
                        bytes.push_back(static_cast<unsigned char>(b));
                    }
                }
                choices_.emplace(number, std::move(bytes));
            }
        }
        std::size_t copies = 1;
        for (const auto& [number, bytes] : choices_) {
            copies *= bytes.size();
            if (copies > MaxCopies) {
                throw GiveUp{Outcome::BackReference};
            }
        }
        copies_ = copies;
    }

    ExpressionNode Expand() {
        ExpressionNode choice;
        choice.kind = ExpressionNode::Kind::Choice;
        for (std::size_t copy = 0; copy < copies_; ++copy) {
            std::size_t rest = copy;
            for (const auto& [number, bytes] : choices_) {
                chosen_[number] = bytes[rest % bytes.size()];
                rest /= bytes.size();
            }
            choice.children.push_back(Copy(root_));
        }
        if (choice.children.empty()) { // a referred group that matches no byte
            choice.kind = ExpressionNode::Kind::Bytes;
        }
        return choice;
    }

private:
    struct Group {
        bool once = false;
        std::optional<ByteSet> bytes;
        int end = 0; // the survey's count after the group's last node
    };

    // Numbers the nodes in the order they are read; `varies` when a repetition or a choice lies
    // around the node.
    void Survey(const ExpressionNode& node, bool varies) {
        const int order = ++count_;
        if (node.kind == ExpressionNode::Kind::BackReference) {
            references_.emplace_back(node.min, order);
        }
        const bool inner = varies || node.kind == ExpressionNode::Kind::Choice ||
                           node.kind == ExpressionNode::Kind::Repeat;
        for (const ExpressionNode& child : node.children) {
            Survey(child, inner);
        }
        if (node.group != 0) {
            Group& group = groups_[node.group];
            group.once = !varies;
            group.bytes = SingleByte(node);
            group.end = count_;
        }
    }

    ExpressionNode Copy(const ExpressionNode& node) const {
        const bool referredGroup = node.group != 0 && choices_.count(node.group) != 0;
        if (referredGroup || node.kind == ExpressionNode::Kind::BackReference) {
            ExpressionNode byte;
            byte.kind = ExpressionNode::Kind::Bytes;
            byte.bytes[chosen_.at(referredGroup ? node.group : node.min)] = true;
            return byte;
        }
        ExpressionNode copy;
        copy.kind = node.kind;
        copy.bytes = node.bytes;
        copy.min = node.min;
        copy.max = node.max;
        copy.children.reserve(node.children.size());
        for (const ExpressionNode& child : node.children) {
            copy.children.push_back(Copy(child));
        }
        return copy;
    }

    const ExpressionNode& root_;
    int count_ = 0;
    std::map<int, Group> groups_;
    std::vector<std::pair<int, int>> references_; // group number, survey order
    std::map<int, std::vector<unsigned char>> choices_;
    std::map<int, unsigned char> chosen_;
    std::size_t copies_ = 0;
};

} // namespace

ExpressionTree ReadExpressionTree(std::string_view pattern) {
    ExpressionTree tree;
    TreeReader reader(pattern);
    try {
        tree.root = reader.Read();
        if (reader.HasBackReferences()) {
            tree.root = BackReferenceExpansion(tree.root).Expand();
            tree.backReferences = true;
        }
        tree.wordBytes = reader.Probe("\\w");
        tree.outcome = Outcome::Built;
    } catch (const GiveUp& giveUp) {
        tree.outcome = giveUp.outcome;
        tree.root = {};
    }
    return tree;
}

} // namespace cobwen
