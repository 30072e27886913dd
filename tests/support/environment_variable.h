#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace quellmar::test {

// Sets an environment variable, or removes it for nullptr, while it lives; what it was comes back.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    EnvironmentVariable(const char* name, const std::string& value) : EnvironmentVariable(name, value.c_str()) {}
    ~EnvironmentVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace quellmar::test
