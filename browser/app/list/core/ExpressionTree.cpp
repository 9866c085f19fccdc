#include "browser/app/list/core/ExpressionTree.h"

#include <map>
#include <regex>
#include <string>

namespace cobwen {

namespace {

// Repetition counts above this are left to the standard engine.
constexpr int MaxCount = 1000;

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
            i_ += Peek(1) == '?' && Peek(2) == ':' ? 3 : 1;
            ExpressionNode inner = Disjunction();
            if (AtEnd() || Peek() != ')') {
                throw GiveUp{Outcome::Unsupported};
            }
            ++i_;
            return inner;
        }
        case '[':
            SkipBracket();
            return Bytes(Probe(std::string(pattern_.substr(start, i_ - start))));
        case '\\':
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

    // Past one escape: "\" and the character after it, with the digits of \xHH and \uHHHH and
    // the character of \cX. \1 to \9 refer back to a group.
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
};

} // namespace

ExpressionTree ReadExpressionTree(std::string_view pattern) {
    ExpressionTree tree;
    TreeReader reader(pattern);
    try {
        tree.root = reader.Read();
        tree.wordBytes = reader.Probe("\\w");
        tree.outcome = Outcome::Built;
    } catch (const GiveUp& giveUp) {
        tree.outcome = giveUp.outcome;
        tree.root = {};
    }
    return tree;
}

} // namespace cobwen
