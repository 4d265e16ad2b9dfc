#pragma once
// Runs a function when the scope ends, however it ends (return or exception): for state that must be
// put back on every path, such as a busy flag.
#include <utility>

namespace fw {

template <typename Function>
class scope_exit {
public:
    explicit scope_exit(Function function) : m_function(std::move(function)) {}
    scope_exit(const scope_exit&) = delete;
    scope_exit& operator=(const scope_exit&) = delete;
    ~scope_exit() { m_function(); }

private:
    Function m_function;
};

} // namespace fw
