// The line-condition evaluator of the drawing exercises: a left-to-right
// arithmetic over space-separated tokens, without precedence, with at most one
// decisive comparison. Single precision throughout, as the exercise texts are
// written for it.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// Value of the text. A comparison gives -1 (true) or 0 (false); otherwise the
// result is the computed value. Tokens are classified by their first
// character: "=", "<", ">" compare (the right-hand side against the left-hand
// side), "*", "+", "-", "/" operate, "@" reuses the pending number, anything
// else is a number (its numeric value, 0 when it has none).
// Throws error_aritmetic on a division by zero or on a number or result beyond
// the single-precision range. Runs in time linear in the text and constant
// stack.
float expressio_avaluar(std::string_view text);

// A value written so that expressio_avaluar reads it back as one number token
// of exactly that value: the shortest text that round-trips a single, and a
// negative value led by a tab, because a token whose first character is "-"
// is the operator and the numeric rule skips leading blanks.
std::string expressio_nombre(float valor);

} // namespace quorvel
