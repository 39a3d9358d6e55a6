#pragma once
// A host for window tests: it hands the scoring session a context that the
// test sets, and keeps no record of its own.

#include "session/SessionHost.h"

namespace q9x::test {

struct ContextHost final : SessionHost {
  SessionContext current;
  SessionContext context() const override { return current; }
};

}  // namespace q9x::test
