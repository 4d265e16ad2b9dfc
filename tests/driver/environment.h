#pragma once
// Changes one variable of this process's environment, which programs started meanwhile inherit.
#include <windows.h>

#include <optional>
#include <string>

namespace driver {

class ScopedEnvironmentVariable {
public:
    // Nothing for the value removes the variable.
    ScopedEnvironmentVariable(const wchar_t* pszName, const std::optional<std::wstring>& value) : m_name(pszName)
    {
        wchar_t buffer[32768];
        const DWORD n = ::GetEnvironmentVariableW(pszName, buffer, 32768);
        if (n > 0 && n < 32768)
            m_saved = std::wstring(buffer, n);
        ::SetEnvironmentVariableW(pszName, value ? value->c_str() : nullptr);
    }
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;
    ~ScopedEnvironmentVariable() { ::SetEnvironmentVariableW(m_name.c_str(), m_saved ? m_saved->c_str() : nullptr); }

private:
    std::wstring m_name;
    std::optional<std::wstring> m_saved;
};

} // namespace driver
