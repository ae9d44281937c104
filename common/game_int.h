// The game's number: a signed 32-bit integer whose arithmetic wraps around in
// two's complement and whose division truncates toward zero, on every
// compiler and without undefined behaviour. Every division and remainder goes
// through checkedDivide, so a zero divisor is an orderly fault and never a
// hardware trap.
#pragma once

#include <compare>
#include <cstdint>

// Raised by a division or remainder by zero; the battle's fault guard stops
// the battle on it.
struct ArithmeticFault {
  std::uint32_t code;
};

// The Windows code of an integer division by zero, reported in battle.log.
inline constexpr std::uint32_t kIntegerDivideByZero = 0xC0000094u;

struct Int {
  std::int32_t v = 0;

  constexpr Int() = default;
  constexpr Int(std::int32_t value) : v(value) {}

  static constexpr Int wrap(std::uint32_t bits) { return Int(static_cast<std::int32_t>(bits)); }
  constexpr std::uint32_t bits() const { return static_cast<std::uint32_t>(v); }

  friend constexpr Int operator+(Int a, Int b) { return wrap(a.bits() + b.bits()); }
  friend constexpr Int operator-(Int a, Int b) { return wrap(a.bits() - b.bits()); }
  friend constexpr Int operator*(Int a, Int b) { return wrap(a.bits() * b.bits()); }
  friend constexpr Int operator-(Int a) { return wrap(0u - a.bits()); }
  friend constexpr Int operator/(Int a, Int b);
  friend constexpr Int operator%(Int a, Int b);

  constexpr Int& operator+=(Int b) { return *this = *this + b; }
  constexpr Int& operator-=(Int b) { return *this = *this - b; }
  constexpr Int& operator*=(Int b) { return *this = *this * b; }
  constexpr Int& operator/=(Int b) { return *this = *this / b; }
  constexpr Int& operator%=(Int b) { return *this = *this % b; }
  constexpr Int& operator++() { return *this = *this + 1; }
  constexpr Int& operator--() { return *this = *this - 1; }

  friend constexpr bool operator==(Int a, Int b) { return a.v == b.v; }
  friend constexpr std::strong_ordering operator<=>(Int a, Int b) { return a.v <=> b.v; }
};

struct Quotient {
  Int quotient;
  Int remainder;
};

// The one checked division of the game. A zero divisor raises
// ArithmeticFault; INT32_MIN / -1 wraps to INT32_MIN with remainder 0.
constexpr Quotient checkedDivide(Int a, Int b) {
  if (b.v == 0) throw ArithmeticFault{kIntegerDivideByZero};
  if (b.v == -1) return {-a, 0};
  return {a.v / b.v, a.v % b.v};
}

constexpr Int operator/(Int a, Int b) { return checkedDivide(a, b).quotient; }
constexpr Int operator%(Int a, Int b) { return checkedDivide(a, b).remainder; }
