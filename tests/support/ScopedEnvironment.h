#pragma once

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace testing_support {

// Sets or clears environment variables and puts them back at the end.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment()
    {
        for (const auto& [name, value] : saved_) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    void set(const std::string& name, const std::string& value)
    {
        remember(name);
        ::setenv(name.c_str(), value.c_str(), 1);
    }
    void clear(const std::string& name)
    {
        remember(name);
        ::unsetenv(name.c_str());
    }
    // Leaves only `locale` in LC_ALL, so that the user's language is known.
    void useLocale(const std::string& locale)
    {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
            clear(name);
        set("LC_ALL", locale);
    }

private:
    void remember(const std::string& name)
    {
        if (saved_.count(name))
            return;
        const char* value = std::getenv(name.c_str());
        saved_[name] = value ? std::optional<std::string>(value) : std::nullopt;
    }

    std::map<std::string, std::optional<std::string>> saved_;
};

} // namespace testing_support
