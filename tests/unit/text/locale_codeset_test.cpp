// The held text's character set comes from the user's environment, in the
// C library's order: LC_ALL, then LC_CTYPE, then LANG. "C" and "C.UTF-8" are
// the locales every Debian system has.

#include "text/locale_codeset.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace tcm::text {
namespace {

// Sets the three variables for one case and puts the old values back.
class LocaleEnvironment {
public:
    LocaleEnvironment(const char* all, const char* ctype, const char* lang)
    {
        set("LC_ALL", all);
        set("LC_CTYPE", ctype);
        set("LANG", lang);
    }
    ~LocaleEnvironment()
    {
        for (const auto& [name, value] : saved_)
            value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }
    LocaleEnvironment(const LocaleEnvironment&) = delete;
    LocaleEnvironment& operator=(const LocaleEnvironment&) = delete;

private:
    void set(const char* name, const char* value)
    {
        const char* old = std::getenv(name);
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST(LocaleCodeset, FollowsTheEnvironment)
{
    const struct {
        const char *all, *ctype, *lang;
        std::string codeset;
    } cases[] = {
        {"C.UTF-8", nullptr, nullptr, "UTF-8"},
        {"C", "C.UTF-8", "C.UTF-8", "ANSI_X3.4-1968"},       // LC_ALL first
        {nullptr, "C.UTF-8", "C", "UTF-8"},                  // then LC_CTYPE
        {nullptr, nullptr, "C.UTF-8", "UTF-8"},              // then LANG
        {nullptr, nullptr, nullptr, "ANSI_X3.4-1968"},       // nothing set: "C"
        {"xx_NOWHERE.NO-SUCH-SET", nullptr, nullptr, "ANSI_X3.4-1968"},  // not installed: "C"
    };
    for (const auto& c : cases) {
        LocaleEnvironment environment(c.all, c.ctype, c.lang);
        EXPECT_EQ(localeCodeset(), c.codeset)
            << (c.all ? c.all : "-") << " " << (c.ctype ? c.ctype : "-") << " " << (c.lang ? c.lang : "-");
    }
}

}  // namespace
}  // namespace tcm::text
