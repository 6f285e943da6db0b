#include "derivative/derive_rules.h"

#include "derivative/formula_printer.h"
#include "formula/token_codes.h"

namespace plotwise {
namespace {

// Appends the items of one rule; Print and Prime append an operand's printing and its
// derivative.
class RuleWriter {
  public:
    explicit RuleWriter(TokenList& out) : out_(out) {}

    RuleWriter& Item(std::uint8_t code) {
        out_.push_back({0, code});
        return *this;
    }
    RuleWriter& Number(long double value) {
        out_.push_back({value, kNumber});
        return *this;
    }
    RuleWriter& Open() { return Item(kOpenBracket); }
    RuleWriter& Close() { return Item(kCloseBracket); }
    RuleWriter& Print(const ExprNode& node) {
        TreeToInfix(node, out_);
        return *this;
    }
    RuleWriter& Prime(const ExprNode& node);

    // f ( u )
    RuleWriter& Call(std::uint8_t function, const ExprNode& u) {
        return Item(function).Open().Print(u).Close();
    }

  private:
    TokenList& out_;
};

void DeriveInto(const ExprNode& node, TokenList& out);

RuleWriter& RuleWriter::Prime(const ExprNode& node) {
    DeriveInto(node, out_);
    return *this;
}

void DerivePower(const ExprNode& node, RuleWriter& w) {
    const ExprNode& u = *node.left;
    const ExprNode& v = *node.right;
    if (u.code == kNumber) {
        // ( a^v * LN ( a ) * v' )
        w.Open().Print(node).Item(kMultiply).Item(kLn).Open().Number(u.value).Close();
        w.Item(kMultiply).Prime(v).Close();
    } else if (v.code == kNumber) {
        // ( n * u ^ m * u' ), m = n - 1
        w.Open().Number(v.value).Item(kMultiply).Print(u).Item(kPower).Number(v.value - 1);
        w.Item(kMultiply).Prime(u).Close();
    } else {
        // ( u^v * ( v / u * u' + v' * LN ( u ) ) )
        w.Open().Print(node).Item(kMultiply).Open().Print(v).Item(kDivide).Print(u);
        w.Item(kMultiply).Prime(u).Item(kPlus).Prime(v).Item(kMultiply).Call(kLn, u);
        w.Close().Close();
    }
}

// 1 / f ( u ) ^ 2, the factor of TAN, COT, TANH and COTH.
void InverseSquare(std::uint8_t function, const ExprNode& u, RuleWriter& w) {
    w.Number(1).Item(kDivide).Call(function, u).Item(kPower).Number(2);
}

// 1 / SQRT ( ... ) of ASIN, ACOS, ASINH and ACOSH; the radicand is 1 - u^2 or u^2 -+ 1.
void InverseRoot(const ExprNode& u, bool oneFirst, std::uint8_t sign, RuleWriter& w) {
    w.Number(1).Item(kDivide).Item(kSqrt).Open();
    if (oneFirst) {
        w.Number(1).Item(sign).Print(u).Item(kPower).Number(2);
    } else {
        w.Print(u).Item(kPower).Number(2).Item(sign).Number(1);
    }
    w.Close();
}

// The factor of a function's rule, the part before "* u'".
void FunctionFactor(const ExprNode& node, RuleWriter& w) {
    const ExprNode& u = *node.right;
    switch (node.code) {
        case kExp:
            w.Print(node);
            break;
        case kSin:
            w.Call(kCos, u);
            break;
        case kCos:
            w.Item(kUnaryMinus).Call(kSin, u);
            break;
        case kTan:
            InverseSquare(kCos, u, w);
            break;
        case kCot:
            w.Item(kUnaryMinus);
            InverseSquare(kSin, u, w);
            break;
        case kAsin:
            InverseRoot(u, true, kMinus, w);
            break;
        case kAcos:
            w.Item(kUnaryMinus);
            InverseRoot(u, true, kMinus, w);
            break;
        case kAtan:
            w.Number(1).Item(kDivide).Open().Number(1).Item(kPlus).Print(u).Item(kPower);
            w.Number(2).Close();
            break;
        case kSinh:
            w.Call(kCosh, u);
            break;
        case kCosh:
            w.Call(kSinh, u);
            break;
        case kTanh:
            InverseSquare(kCosh, u, w);
            break;
        case kCoth:
            w.Item(kUnaryMinus);
            InverseSquare(kSinh, u, w);
            break;
        case kAsinh:
            InverseRoot(u, false, kPlus, w);
            break;
        case kAcosh:
            InverseRoot(u, false, kMinus, w);
            break;
        case kAtanh:
        case kAcoth:
            w.Number(1).Item(kDivide).Open().Number(1).Item(kMinus).Print(u).Item(kPower);
            w.Number(2).Close();
            break;
        case kLn:
            w.Number(1).Item(kDivide).Print(u);
            break;
        case kLg:
            w.Number(1).Item(kDivide).Open().Print(u).Item(kMultiply).Item(kLn).Open();
            w.Number(10).Close().Close();
            break;
        case kSqrt:
            w.Number(1).Item(kDivide).Open().Number(2).Item(kMultiply).Print(node).Close();
            break;
        default:
            break;
    }
}

void DeriveInto(const ExprNode& node, TokenList& out) {
    RuleWriter w(out);
    switch (node.code) {
        case kNumber:
            w.Number(0);
            return;
        case kVariable:
            w.Number(1);
            return;
        case kUnaryMinus:
            w.Open().Item(kUnaryMinus).Prime(*node.right).Close();
            return;
        case kPlus:
        case kMinus:
            w.Open().Prime(*node.left).Item(node.code).Prime(*node.right).Close();
            return;
        case kMultiply:
            w.Open().Prime(*node.left).Item(kMultiply).Print(*node.right).Item(kPlus);
            w.Print(*node.left).Item(kMultiply).Prime(*node.right).Close();
            return;
        case kDivide:
            w.Open().Open().Prime(*node.left).Item(kMultiply).Print(*node.right);
            w.Item(kMinus).Print(*node.left).Item(kMultiply).Prime(*node.right).Close();
            w.Item(kDivide).Print(*node.right).Item(kPower).Number(2).Close();
            return;
        case kPower:
            DerivePower(node, w);
            return;
        default:
            break;
    }
    if (node.code < kSin || node.code > kAcoth || node.code == kAbs || node.code == kInt ||
        node.code == kFrac) {
        w.Number(0);  // no rule; IsDifferentiable keeps these out
        return;
    }
    w.Open();
    FunctionFactor(node, w);
    w.Item(kMultiply).Prime(*node.right).Close();
}

}  // namespace

void Derive(const ExprNode& node, TokenList& out) {
    DeriveInto(node, out);
}

TokenList Derive(const ExprNode& node) {
    TokenList out;
    DeriveInto(node, out);
    return out;
}

}  // namespace plotwise
